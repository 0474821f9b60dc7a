#include "earlier_program_offer.h"

#include "conversion/earlier_program_conversion.h"
#include "desktop/alerts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>

namespace EarlierProgramOffer {

Outcome offer(const Window &window)
{
    const QString reader = window.readerProgram.isEmpty()
                               ? QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("orvanta-jet-reader"))
                               : window.readerProgram;
    const QFileInfo file(window.databasePath);
    const QLocale locale;

    // Shown only where reading takes longer than a moment; on its own, as the window is not
    // yet shown.
    QProgressDialog progress(QStringLiteral("Reading the weeks of the earlier program…"),
                             QStringLiteral("Cancel"), 0, 0);
    progress.setWindowTitle(QStringLiteral("Orvanta"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    EarlierProgramConversion::Setup setup{window.databasePath, reader};
    setup.progress = [&](qint64 rows) {
        progress.setLabelText(QStringLiteral("Reading the weeks of the earlier program… %1 rows")
                                  .arg(locale.toString(rows)));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    EarlierProgramConversion conversion(setup);
    const bool prepared = conversion.prepare();
    progress.reset();
    if (!prepared && conversion.cancelled())
        return Outcome::Declined;
    if (!prepared) {
        window.alerts->error(conversion.errorText());
        return Outcome::Failed;
    }

    const QString keptName =
        QFileInfo(EarlierProgramConversion::keptOriginalPathFor(window.databasePath)).fileName();
    const bool yes = window.alerts->offer(
        QStringLiteral("%1 was written by the earlier Windows program. Copy its %2 weeks into a "
                       "new database for Orvanta? The original is kept unchanged as %3.")
            .arg(file.fileName(), locale.toString(conversion.weeks()), keptName));
    if (!yes)
        return Outcome::Declined;
    if (!conversion.putInPlace()) {
        window.alerts->error(conversion.errorText());
        return Outcome::Failed;
    }

    QString told = QStringLiteral("%1 weeks came over from the earlier program.")
                       .arg(locale.toString(conversion.weeks()));
    if (conversion.dayFirstKeys() > 0)
        told += QStringLiteral(" %1 of them had been stored with day and month swapped, as "
                               "day-first date settings wrote them, and are under their right "
                               "Sunday.")
                    .arg(locale.toString(conversion.dayFirstKeys()));
    told += QStringLiteral(" The original is kept as %1.")
                .arg(QFileInfo(conversion.keptOriginalPath()).fileName());
    if (!conversion.reportPath().isEmpty())
        told += QStringLiteral(" %1 rows that cannot be weeks are kept, with their full texts, "
                               "in %2.")
                    .arg(locale.toString(conversion.reportedRows()),
                         QDir::toNativeSeparators(conversion.reportPath()));
    window.alerts->information(told);
    return Outcome::Converted;
}

} // namespace EarlierProgramOffer
