#pragma once

#include "import/week_import.h"

#include <functional>
#include <memory>
#include <QObject>

class Alerts;
class Clock;
class QProgressDialog;
class QWidget;

// "Import weeks…": asks for a file (another Orvanta database, or the earlier Windows program's
// .mdb or .accdb), saves the shown week as a day click does, brings the file's weeks in on a
// thread of its own (WeekImport), with a progress dialog that can cancel once it takes longer
// than a moment, then shows the shown week again, since it may have taken text, and says in
// one message what came. While it runs the window takes no typing and no clicks, which the
// reload would otherwise write over.
class WeekImporting : public QObject
{
    Q_OBJECT
public:
    struct Window
    {
        QWidget *main = nullptr;
        QString databasePath;
        const Clock *clock = nullptr; // the import's day
        Alerts *alerts = nullptr;
        std::function<bool()> saveShownWeek;   // false: it failed and the window has said so
        std::function<void()> reloadShownWeek; // the shown week and the calendar's marks, as stored
        QString readerProgram = {};            // empty: orvanta-jet-reader beside the program
    };
    // Asks for the file to import; empty when the user cancelled.
    using ChooseFile = std::function<QString(QWidget *parent)>;

    explicit WeekImporting(Window window, QObject *parent = nullptr);
    ~WeekImporting() override; // an import still under way is cancelled: nothing changed

    void setChooseFile(ChooseFile choose) { m_choose = std::move(choose); }
    void importWeeks();

    bool isRunning() const { return m_running != nullptr; }
    // Cancels an import under way and waits until the database is as it was: for the window's
    // close, before its last save.
    void cancelAndWait();

    // The progress dialog of the import under way, from started() to finished().
    QProgressDialog *progressDialog() const;

signals:
    // The dialog is there and the file is about to be read.
    void started();
    void finished(const WeekImport::Result &result);

protected:
    // Installed while an import runs.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Run;
    // The import has ended: the window takes input again, loads the shown week where weeks
    // came, and says how it went where `tell`.
    void finish(bool tell);

    Window m_window;
    ChooseFile m_choose;
    std::unique_ptr<Run> m_running;
};
