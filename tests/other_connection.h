#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

// A second, independent connection to a calendar file, as another program would open it: to
// put rows in, to see what was written, or to hold a lock.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherConnection() { QSqlDatabase::removeDatabase(name()); }
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    bool exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(QSqlDatabase::database(name()));
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (query.exec())
            return true;
        qWarning("%s", qPrintable(query.lastError().text()));
        return false;
    }

    // Every row as {StartWeekDate, WeekData}, in table order.
    QList<QStringList> rows()
    {
        QList<QStringList> rows;
        QSqlQuery query(QSqlDatabase::database(name()));
        query.exec(
            QStringLiteral("SELECT StartWeekDate, WeekData FROM tblCalendar ORDER BY rowid"));
        while (query.next())
            rows.append({query.value(0).toString(), query.value(1).toString()});
        return rows;
    }

    // An SQL expression over each row, in table order: "typeof(WeekData)", "hex(WeekData)".
    QStringList column(const QString &expression)
    {
        QStringList values;
        QSqlQuery query(QSqlDatabase::database(name()));
        query.exec(QStringLiteral("SELECT %1 FROM tblCalendar ORDER BY rowid").arg(expression));
        while (query.next())
            values.append(query.value(0).toString());
        return values;
    }

    // WeekData of the first row for a day, or a null string.
    QString weekData(const QString &startWeekDate)
    {
        for (const QStringList &row : rows())
            if (row[0] == startWeekDate)
                return row[1];
        return {};
    }

private:
    static QString name() { return QStringLiteral("other-connection"); }
};
