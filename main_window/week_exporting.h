#pragma once

#include "export/week_export.h"

#include <functional>
#include <memory>
#include <QObject>

class Alerts;
class Clock;
class QProgressDialog;
class QWidget;

// "Export all weeks…" (Ctrl+E, the menus): asks for a file (Markdown or iCalendar, by its name),
// saves the shown week as a day click does, then writes every stored week on a thread of its
// own, with a progress dialog that can cancel when it takes longer than a moment, and says how
// it went.
class WeekExporting : public QObject
{
    Q_OBJECT
public:
    struct Window
    {
        QWidget *main = nullptr;
        QString databasePath;
        const Clock *clock = nullptr;
        Alerts *alerts = nullptr;
        std::function<bool()> saveShownWeek; // false: it failed and the window has said so
    };
    // Asks for the file to write; empty when the user cancelled.
    using ChooseFile = std::function<QString(QWidget *parent)>;

    explicit WeekExporting(Window window, QObject *parent = nullptr);
    ~WeekExporting() override;

    void setChooseFile(ChooseFile choose) { m_choose = std::move(choose); }
    void exportAll();

    // The progress dialog of the export under way, from started() to finished().
    QProgressDialog *progressDialog() const;

signals:
    // The dialog is there and the weeks are about to be read.
    void started();
    void finished(const WeekExport::Result &result);

private:
    struct Run;
    void report(const QString &target, const WeekExport::Result &result);

    Window m_window;
    ChooseFile m_choose;
    std::unique_ptr<Run> m_running;
};
