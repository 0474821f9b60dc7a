#include "calendar_discovery.h"

#include "caldav_requests.h"
#include "multistatus.h"

namespace CalendarDiscovery {

namespace {

class Discovery
{
    Q_DECLARE_TR_FUNCTIONS(CalendarDiscovery)

public:
    explicit Discovery(DavClient &client) : m_client(client) {}

    Result run(const QUrl &start, const QString &name);

private:
    // The responses of a PROPFIND, or none where it failed (the reason noted).
    bool ask(const QUrl &url, int depth, QList<DavResponse> &responses);
    QUrl resolved(const QUrl &base, const QString &href) const
    {
        return base.resolved(QUrl::fromEncoded(href.trimmed().toUtf8()));
    }

    DavClient &m_client;
    Result m_result;
};

const QStringList kProperties = {
    QStringLiteral("D:resourcetype"), QStringLiteral("D:displayname"),
    QStringLiteral("C:supported-calendar-component-set"),
    QStringLiteral("D:current-user-principal"), QStringLiteral("C:calendar-home-set")};

bool takesJournals(const DavResponse &response)
{
    // A calendar that names no components takes them all.
    return response.components.isEmpty() ||
           response.components.contains(QLatin1String("VJOURNAL"), Qt::CaseInsensitive);
}

bool Discovery::ask(const QUrl &url, int depth, QList<DavResponse> &responses)
{
    const DavReply reply = m_client.send(CalDav::propfind(url, depth, kProperties));
    if (!reply.answered() || reply.status == 401) {
        if (reply.failure == DavReply::Failure::Untrusted)
            m_result.untrustedCertificate = reply.fingerprint;
        m_result.passwordRefused = reply.status == 401;
        m_result.message = reply.status == 401
                               ? tr("The server refused the user name or password.")
                               : reply.error;
        return false;
    }
    if (reply.status != 207) {
        m_result.message = tr("%1 answered %2: it is no CalDAV address.")
                               .arg(url.toString())
                               .arg(reply.status);
        return false;
    }
    MultistatusReader answer;
    answer.addData(reply.body);
    if (!answer.finished() || !answer.error().isEmpty()) {
        m_result.message = tr("The answer of %1 was damaged or cut short.").arg(url.toString());
        return false;
    }
    responses = answer.takeResponses();
    return true;
}

Result Discovery::run(const QUrl &start, const QString &name)
{
    QList<DavResponse> responses;
    QUrl principal, home;
    if (ask(start, 0, responses) && !responses.isEmpty()) {
        const DavResponse &here = responses.first();
        if (here.isCalendar && takesJournals(here) &&
            (name.isEmpty() || here.displayName == name)) {
            m_result.ok = true;
            m_result.calendar = start;
            m_result.found.append({start, here.displayName, true});
            return m_result;
        }
        if (!here.calendarHomeHref.isEmpty())
            home = resolved(start, here.calendarHomeHref);
        if (!here.principalHref.isEmpty())
            principal = resolved(start, here.principalHref);
    } else if (m_result.passwordRefused || !m_result.untrustedCertificate.isEmpty()) {
        return m_result;
    }
    if (home.isEmpty() && principal.isEmpty()) {
        const QUrl wellKnown = start.resolved(QUrl(QStringLiteral("/.well-known/caldav")));
        if (!ask(wellKnown, 0, responses) || responses.isEmpty())
            return m_result;
        if (!responses.first().principalHref.isEmpty())
            principal = resolved(wellKnown, responses.first().principalHref);
        if (!responses.first().calendarHomeHref.isEmpty())
            home = resolved(wellKnown, responses.first().calendarHomeHref);
    }
    if (home.isEmpty() && !principal.isEmpty()) {
        if (!ask(principal, 0, responses) || responses.isEmpty())
            return m_result;
        if (!responses.first().calendarHomeHref.isEmpty())
            home = resolved(principal, responses.first().calendarHomeHref);
    }
    if (home.isEmpty()) {
        m_result.message = tr("%1 does not say where the calendars are.").arg(start.toString());
        return m_result;
    }
    if (!ask(home, 1, responses))
        return m_result;
    m_result.message.clear();
    for (const DavResponse &response : std::as_const(responses)) {
        if (!response.isCalendar)
            continue;
        const Calendar calendar{resolved(home, response.href), response.displayName,
                                takesJournals(response)};
        m_result.found.append(calendar);
        if (!m_result.ok && calendar.takesJournals &&
            (name.isEmpty() || calendar.name == name)) {
            m_result.ok = true;
            m_result.calendar = calendar.url;
        }
    }
    if (m_result.ok)
        return m_result;

    const QString made = name.isEmpty() ? QStringLiteral("Orvanta") : name;
    QString folder = home.path();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    for (int attempt = 0; attempt < 5; ++attempt) {
        QUrl url = home;
        url.setPath(folder + QStringLiteral("orvanta") +
                    (attempt ? u'-' + QString::number(attempt + 1) : QString()) + u'/');
        const DavReply reply = m_client.send(CalDav::makeJournalCalendar(url, made));
        if (reply.status == 201) {
            m_result.ok = true;
            m_result.created = true;
            m_result.calendar = url;
            m_result.found.append({url, made, true});
            return m_result;
        }
        if (reply.status != 405 && reply.status != 409) { // 405, 409: the name is taken
            m_result.passwordRefused = reply.status == 401;
            m_result.message = reply.answered()
                                   ? tr("The server refused to make the calendar %1 (%2).")
                                         .arg(made)
                                         .arg(reply.status)
                                   : reply.error;
            return m_result;
        }
    }
    m_result.message = tr("The server refused to make the calendar %1.").arg(made);
    return m_result;
}

} // namespace

Result find(DavClient &client, const QUrl &start, const QString &name)
{
    return Discovery(client).run(start, name);
}

} // namespace CalendarDiscovery
