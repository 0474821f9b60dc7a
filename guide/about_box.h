#pragma once

#include <QDialog>

class QLabel;

// "About Orvanta": its version, its licence and the libraries it stands on, and where the
// user's weeks are kept; a button for Qt's own About.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(const QString &databasePath, QWidget *parent = nullptr);

    static QString version();
    QLabel *text() const { return m_text; }

private:
    QLabel *m_text = nullptr;
};
