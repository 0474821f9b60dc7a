#include "caldav_requests.h"

#include <QRegularExpression>

namespace CalDav {

namespace {

const QByteArray kXml = "application/xml; charset=utf-8";

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

QString hrefKey(const QUrl &calendar, const QString &href)
{
    const QUrl resolved = calendar.resolved(QUrl::fromEncoded(href.trimmed().toUtf8()));
    return resolved.path(QUrl::FullyDecoded);
}

QUrl urlOf(const QUrl &calendar, const QString &key)
{
    QUrl url = calendar;
    url.setPath(key, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QString uidOf(QDate week, int box)
{
    const QString day = week.toString(QStringLiteral("yyyyMMdd"));
    return box == 7 ? day + QStringLiteral("-notes@orvanta")
                    : day + u'-' + QString::number(box + 1) + QStringLiteral("@orvanta");
}

bool boxOfUid(const QString &uid, QDate &week, int &box)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8})-([1-7]|notes)@orvanta$"));
    const QRegularExpressionMatch match = pattern.match(uid);
    if (!match.hasMatch())
        return false;
    const QDate day = QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd"));
    if (!day.isValid() || day.dayOfWeek() != 7)
        return false;
    week = day;
    box = match.captured(2) == QLatin1String("notes") ? 7 : match.captured(2).toInt() - 1;
    return true;
}

QString newEntryKey(const QUrl &calendar, QDate week, int box)
{
    QString folder = calendar.path(QUrl::FullyDecoded);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    QString name = uidOf(week, box);
    name.replace(QStringLiteral("@orvanta"), QStringLiteral("-orvanta"));
    return folder + name + QStringLiteral(".ics");
}

DavRequest propfind(const QUrl &url, int depth, const QStringList &properties)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
                      "<D:prop>";
    for (const QString &property : properties)
        body += '<' + property.toUtf8() + "/>";
    body += "</D:prop></D:propfind>";
    return {"PROPFIND", url, body, kXml, depth, {}};
}

DavRequest syncCollection(const QUrl &calendar, const QString &token, bool withEntries)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<D:sync-collection xmlns:D=\"DAV:\" "
                      "xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:sync-token>";
    body += escaped(token);
    body += "</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/>";
    if (withEntries)
        body += "<C:calendar-data/>";
    body += "</D:prop></D:sync-collection>";
    return {"REPORT", calendar, body, kXml, 0, {}};
}

DavRequest multiget(const QUrl &calendar, const QStringList &keys)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<C:calendar-multiget xmlns:D=\"DAV:\" "
                      "xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
                      "<D:prop><D:getetag/><C:calendar-data/></D:prop>";
    for (const QString &key : keys) {
        body += "<D:href>";
        body += escaped(QString::fromUtf8(urlOf(calendar, key).path(QUrl::FullyEncoded).toUtf8()));
        body += "</D:href>";
    }
    body += "</C:calendar-multiget>";
    return {"REPORT", calendar, body, kXml, 1, {}};
}

DavRequest put(const QUrl &url, const QByteArray &ics, const QByteArray &etag, bool isNew)
{
    DavRequest request{"PUT", url, ics, "text/calendar; charset=utf-8", -1, {}};
    if (isNew)
        request.headers.append(std::pair<QByteArray, QByteArray>("If-None-Match", "*"));
    else
        request.headers.append(std::pair<QByteArray, QByteArray>("If-Match", etag.isEmpty() ? QByteArray("*") : etag));
    return request;
}

DavRequest remove(const QUrl &url, const QByteArray &etag)
{
    DavRequest request{"DELETE", url, {}, {}, -1, {}};
    request.headers.append(std::pair<QByteArray, QByteArray>("If-Match", etag.isEmpty() ? QByteArray("*") : etag));
    return request;
}

DavRequest get(const QUrl &url)
{
    return {"GET", url, {}, {}, -1, {}};
}

DavRequest makeJournalCalendar(const QUrl &url, const QString &name)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<C:mkcalendar xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
                      "<D:set><D:prop><D:displayname>";
    body += escaped(name);
    body += "</D:displayname><C:supported-calendar-component-set>"
            "<C:comp name=\"VJOURNAL\"/></C:supported-calendar-component-set>"
            "</D:prop></D:set></C:mkcalendar>";
    return {"MKCALENDAR", url, body, kXml, -1, {}};
}

} // namespace CalDav
