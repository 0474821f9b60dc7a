#pragma once

// Databases of many full weeks for the benchmarks, made once per size in a temporary folder.

#include "schedule/calendar_files.h"
#include "schedule/week_record.h"

#include <map>
#include <memory>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace BenchStore {

using namespace Qt::StringLiterals;

inline const QDate kLastWeek(2026, 12, 6);

// A week of about 2,000 characters in lines of about 40: everyday words, a few accented, and in
// one week of a hundred the word that is looked for.
inline QByteArray week(QRandomGenerator &random, bool withDentist)
{
    static const QStringList words{u"meeting"_s,  u"lunch"_s, u"call"_s,     u"Anna"_s,
                                   u"shopping"_s, u"café"_s,  u"gym"_s,      u"report"_s,
                                   u"Müller"_s,   u"train"_s, u"birthday"_s, u"école"_s,
                                   u"9:00"_s,     u"bring"_s, u"the"_s,      u"and"_s};
    WeekTexts texts;
    for (int box = 0; box < kWeekFieldCount; ++box) {
        QString text;
        while (text.size() < 250) {
            text += words[random.bounded(int(words.size()))];
            text += text.size() % 40 < 6 ? u'\n' : u' ';
        }
        texts[box] = text;
    }
    if (withDentist)
        texts[random.bounded(kWeekFieldCount)] += u" Dentist at 10"_s;
    return encodeWeekRecord(texts);
}

// A database of `weeks` weeks ending with the week of 6 December 2026, made once per size.
inline QString store(int weeks)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> made;
    auto &dir = made[weeks];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        const QString path = databasePath(dir->path());
        createEmptyCalendarDatabase(path);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"fill"_s);
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(u"INSERT INTO tblCalendar VALUES (?, CAST(? AS TEXT))"_s);
        QRandomGenerator random(7);
        for (int i = 0; i < weeks; ++i) {
            insert.addBindValue(kLastWeek.addDays(-7 * i).toString(Qt::ISODate));
            insert.addBindValue(week(random, i % 100 == 3));
            insert.exec();
        }
        db.commit();
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(u"fill"_s);
    }
    return databasePath(dir->path());
}

} // namespace BenchStore
