#include "about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutBox::version()
{
    return QStringLiteral(ORVANTA_VERSION);
}

AboutBox::AboutBox(const QString &databasePath, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Orvanta"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("AboutText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    // The database's path is there to be copied.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setText(
        tr("Orvanta %1\nA weekly schedule book.\n\n"
                       "Your weeks are kept in:\n%2\n\n"
                       "© The makers of Orvanta. All rights reserved.\n"
                       "Orvanta is built with Qt %3 (GNU LGPL version 3), SQLite (public domain) "
                       "and libmdb of mdbtools (GNU LGPL), which reads the earlier Windows "
                       "program's files.")
            .arg(version(), QDir::toNativeSeparators(databasePath),
                 QString::fromLatin1(qVersion())));
    m_text->setMinimumWidth(380);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *aboutQt =
        buttons->addButton(tr("About &Qt"), QDialogButtonBox::ActionRole);
    connect(aboutQt, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}
