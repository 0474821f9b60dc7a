#include "earlier_program_offer.h"

#include "conversion/earlier_program_conversion.h"
#include "desktop/alerts.h"
#include "jet/jet_file.h"
#include "schedule/calendar_connection.h"
#include "translations/app_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>

namespace EarlierProgramOffer {

Result offer(const Window &window)
{
    const QString reader =
        window.readerProgram.isEmpty() ? JetFile::readerProgram() : window.readerProgram;
    const QFileInfo file(window.databasePath);
    const QLocale locale;

    // Shown only where reading takes longer than a moment; on its own, as the window is not
    // yet shown.
    QProgressDialog progress(QCoreApplication::translate("EarlierProgramOffer",
                                                        "Reading the weeks of the earlier program…"),
                             QCoreApplication::translate("EarlierProgramOffer", "Cancel"), 0, 0);
    progress.setWindowTitle(QStringLiteral("Orvanta"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    EarlierProgramConversion::Setup setup{window.databasePath, reader};
    setup.progress = [&](qint64 rows) {
        const int read = AppLanguage::pluralCount(rows);
        progress.setLabelText(QCoreApplication::translate(
            "EarlierProgramOffer", "Reading the weeks of the earlier program… %Ln row(s)", nullptr,
            read));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    EarlierProgramConversion conversion(setup);
    const bool prepared = conversion.prepare();
    progress.reset();
    if (!prepared && conversion.cancelled())
        return {Outcome::Declined};
    if (!prepared) {
        window.alerts->error(conversion.errorText());
        return {Outcome::Failed};
    }

    const QString keptName =
        QFileInfo(EarlierProgramConversion::keepingPathFor(window.databasePath)).fileName();
    const int offered = AppLanguage::pluralCount(conversion.weeks());
    const bool yes = window.alerts->offer(
        QCoreApplication::translate("EarlierProgramOffer",
                                    "%1 was written by the earlier Windows program. Copy its %Ln "
                                    "week(s) into a new database for Orvanta? The original is "
                                    "kept unchanged as %2.",
                                    nullptr, offered)
            .arg(file.fileName(), keptName));
    if (!yes)
        return {Outcome::Declined};
    if (!conversion.putInPlace()) {
        window.alerts->error(conversion.errorText());
        return {Outcome::Failed};
    }

    const qint64 weeks = conversion.weeks(), swapped = conversion.dayFirstKeys();
    const int came = AppLanguage::pluralCount(weeks), turned = AppLanguage::pluralCount(swapped);
    QString told = QCoreApplication::translate(
        "EarlierProgramOffer", "%Ln week(s) came over from the earlier program.", nullptr,
        came);
    if (swapped > 0)
        told += QCoreApplication::translate(
            "EarlierProgramOffer",
            " %Ln of them were stored with day and month swapped, as day-first date settings "
            "wrote them, and now lie under their right Sunday.",
            nullptr, turned);
    told += QCoreApplication::translate("EarlierProgramOffer", " The original is kept as %1.")
                .arg(QFileInfo(conversion.keptOriginalPath()).fileName());
    if (!conversion.reportPath().isEmpty()) {
        const qint64 rows = conversion.reportedRows();
        const QString report = QDir::toNativeSeparators(conversion.reportPath());
        const int kept = AppLanguage::pluralCount(rows);
        told += QCoreApplication::translate(
                    "EarlierProgramOffer",
                    " %Ln row(s) that cannot be weeks are kept, with their full texts, in %1.",
                    nullptr, kept)
                    .arg(report);
    }
    return {Outcome::Converted, told};
}

QDate weekToShow(CalendarConnection &connection, QDate today, QString &told)
{
    QDate week;
    if (!connection.newestWeekWithTextUpTo(today, week) || !week.isValid())
        return {};
    told += QCoreApplication::translate("EarlierProgramOffer",
                                        " Orvanta shows the week of %1, the newest that came over.")
                .arg(QLocale().toString(week, QLocale::LongFormat));
    return week;
}

} // namespace EarlierProgramOffer
