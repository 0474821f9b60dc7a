#include "recovery_file.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

QString recoveryText(QDate firstDay, const WeekTexts &texts, const QLocale &locale)
{
    QString text;
    QTextStream out(&text);
    out << "Orvanta could not save the week of " << locale.toString(firstDay, QLocale::LongFormat)
        << " to its database. These are the week's texts as they stood.\n";
    for (int k = 0; k < kWeekFieldCount; ++k) {
        const QString heading = k == kNotesField
                                    ? kNotesHeading
                                    : locale.toString(firstDay.addDays(k), QLocale::LongFormat);
        out << "\n== " << heading << " ==\n" << texts[k] << '\n';
    }
    return text;
}

namespace {

bool writeNewFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // NewOnly: an earlier recovery file is the only copy of other words.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.close();
        file.remove();
        return false;
    }
    return true;
}

} // namespace

QString writeRecoveryFile(const QStringList &folders, QDate firstDay, const WeekTexts &texts,
                          const QLocale &locale)
{
    const QByteArray bytes = recoveryText(firstDay, texts, locale).toUtf8();
    const QString base =
        QStringLiteral("Orvanta unsaved week of %1").arg(firstDay.toString(Qt::ISODate));
    for (const QString &folder : folders) {
        const QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            continue;
        for (int attempt = 1; attempt <= 100; ++attempt) {
            const QString name = attempt == 1
                                     ? base + QStringLiteral(".txt")
                                     : QStringLiteral("%1 (%2).txt").arg(base).arg(attempt);
            const QString path = dir.filePath(name);
            if (QFile::exists(path))
                continue;
            if (writeNewFile(path, bytes))
                return path;
            break; // the folder does not take files: try the next one
        }
    }
    return {};
}
