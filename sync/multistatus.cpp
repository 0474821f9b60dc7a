#include "multistatus.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// No property sync reads comes near this; a larger one is a broken or hostile server, and would
// be held whole.
constexpr qsizetype kMaxTextBytes = 16 * 1024 * 1024;

int statusCodeOf(QByteArrayView line)
{
    // "HTTP/1.1 404 Not Found": the code is the second word.
    const QByteArrayView trimmed = line.trimmed();
    const qsizetype space = trimmed.indexOf(' ');
    if (space < 0)
        return 0;
    QByteArrayView code = trimmed.sliced(space + 1).trimmed();
    const qsizetype end = code.indexOf(' ');
    if (end >= 0)
        code = code.first(end);
    bool ok = false;
    const int value = code.toInt(&ok);
    return ok && code.size() == 3 && value >= 100 ? value : 0;
}

// What a property holds, merged into what earlier 200 propstats of the response held.
void mergeInto(DavResponse &into, const DavResponse &from)
{
    if (!from.etag.isEmpty())
        into.etag = from.etag;
    if (!from.calendarData.isEmpty())
        into.calendarData = from.calendarData;
    into.isCollection = into.isCollection || from.isCollection;
    into.isCalendar = into.isCalendar || from.isCalendar;
    into.components += from.components;
    if (!from.displayName.isEmpty())
        into.displayName = from.displayName;
    if (!from.principalHref.isEmpty())
        into.principalHref = from.principalHref;
    if (into.calendarHomeHref.isEmpty())
        into.calendarHomeHref = from.calendarHomeHref;
}

} // namespace

MultistatusReader::Element MultistatusReader::childOf(Element parent) const
{
    const QStringView ns = m_xml.namespaceUri();
    const QStringView name = m_xml.name();
    const bool dav = ns == u"DAV:";
    const bool caldav = ns == u"urn:ietf:params:xml:ns:caldav";
    const auto is = [&](bool space, QStringView local) { return space && name == local; };
    switch (parent) {
    case Element::Document:
        return is(dav, u"multistatus") ? Element::Multistatus : Element::Other;
    case Element::Multistatus:
        if (is(dav, u"response"))
            return Element::Response;
        return is(dav, u"sync-token") ? Element::SyncToken : Element::Other;
    case Element::Response:
        if (is(dav, u"href"))
            return Element::Href;
        if (is(dav, u"status"))
            return Element::ResponseStatus;
        return is(dav, u"propstat") ? Element::Propstat : Element::Other;
    case Element::Propstat:
        if (is(dav, u"status"))
            return Element::PropstatStatus;
        return is(dav, u"prop") ? Element::Prop : Element::Other;
    case Element::Prop:
        if (is(dav, u"getetag"))
            return Element::Etag;
        if (is(caldav, u"calendar-data"))
            return Element::CalendarData;
        if (is(dav, u"resourcetype"))
            return Element::ResourceType;
        if (is(caldav, u"supported-calendar-component-set"))
            return Element::ComponentSet;
        if (is(dav, u"displayname"))
            return Element::DisplayName;
        if (is(dav, u"current-user-principal"))
            return Element::Principal;
        return is(caldav, u"calendar-home-set") ? Element::CalendarHome : Element::Other;
    case Element::ResourceType:
        if (is(dav, u"collection"))
            return Element::Collection;
        return is(caldav, u"calendar") ? Element::Calendar : Element::Other;
    case Element::ComponentSet:
        return is(caldav, u"comp") ? Element::Component : Element::Other;
    case Element::Principal:
        return is(dav, u"href") ? Element::PrincipalHref : Element::Other;
    case Element::CalendarHome:
        return is(dav, u"href") ? Element::CalendarHomeHref : Element::Other;
    default:
        return Element::Other; // inside what sync does not read, nothing is read
    }
}

bool MultistatusReader::holdsText(Element element)
{
    switch (element) {
    case Element::SyncToken:
    case Element::Href:
    case Element::ResponseStatus:
    case Element::PropstatStatus:
    case Element::Etag:
    case Element::CalendarData:
    case Element::DisplayName:
    case Element::PrincipalHref:
    case Element::CalendarHomeHref:
        return true;
    default:
        return false;
    }
}

void MultistatusReader::fail(const QString &why)
{
    if (m_error.isEmpty()) {
        m_error = u"line %1, column %2: %3"_s.arg(m_xml.lineNumber())
                      .arg(m_xml.columnNumber())
                      .arg(why);
    }
}

void MultistatusReader::addData(QByteArrayView bytes)
{
    if (!m_error.isEmpty())
        return;
    const QString text = m_decoder(bytes); // a character cut between pieces waits in the decoder
    if (m_decoder.hasError()) {
        m_error = u"the answer is not UTF-8"_s; // somewhere past what the XML reader has read
        return;
    }
    m_xml.addData(text);
    while (m_error.isEmpty()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::Invalid) {
            // The end of what came so far, where more may come, is no fault of the answer.
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                fail(m_xml.errorString());
            return;
        }
        if (token == QXmlStreamReader::StartElement)
            startElement();
        else if (token == QXmlStreamReader::EndElement)
            endElement();
        else if (token == QXmlStreamReader::Characters && !m_open.isEmpty() &&
                 holdsText(m_open.last()))
            appendText();
    }
}

void MultistatusReader::startElement()
{
    const Element element = childOf(m_open.isEmpty() ? Element::Document : m_open.last());
    if (m_open.isEmpty() && element != Element::Multistatus) {
        fail(u"the answer is a <%1> in \"%2\", not a DAV: multistatus"_s.arg(
            m_xml.name(), m_xml.namespaceUri()));
        return;
    }
    m_open.append(element);
    if (holdsText(element))
        m_text.clear();
    switch (element) {
    case Element::Response:
        m_response = {};
        m_responseStatus = 0;
        m_firstPropstatStatus = 0;
        m_propstats = 0;
        m_okPropstat = false;
        break;
    case Element::Propstat:
        m_propstat = {};
        break;
    case Element::Collection:
        m_propstat.isCollection = true;
        break;
    case Element::Calendar:
        m_propstat.isCalendar = true;
        break;
    case Element::Component: {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringView name = attributes.value(QLatin1StringView("name"));
        if (!name.isEmpty())
            m_propstat.components.append(name.toString());
        break;
    }
    default:
        break;
    }
}

void MultistatusReader::appendText()
{
    const QByteArray piece = m_xml.text().toUtf8();
    if (m_text.size() + piece.size() > kMaxTextBytes) {
        fail(u"a value is larger than 16 MB"_s);
        return;
    }
    m_text += piece;
}

void MultistatusReader::endElement()
{
    const Element element = m_open.takeLast();
    // Addresses, tags and status lines never start or end in white space that means anything;
    // an answer laid out for reading may put some around them.
    const auto text = [this] { return QString::fromUtf8(m_text.trimmed()); };
    switch (element) {
    case Element::Multistatus:
        m_finished = true;
        break;
    case Element::SyncToken:
        m_syncToken = text();
        break;
    case Element::Href:
        if (m_response.href.isEmpty())
            m_response.href = text();
        break;
    case Element::ResponseStatus:
        m_responseStatus = statusCodeOf(m_text);
        break;
    case Element::PropstatStatus:
        m_propstat.status = statusCodeOf(m_text);
        break;
    case Element::Etag:
        m_propstat.etag = m_text.trimmed();
        break;
    case Element::CalendarData:
        m_propstat.calendarData = std::exchange(m_text, {});
        break;
    case Element::DisplayName:
        m_propstat.displayName = text();
        break;
    case Element::PrincipalHref:
        m_propstat.principalHref = text();
        break;
    case Element::CalendarHomeHref:
        if (m_propstat.calendarHomeHref.isEmpty())
            m_propstat.calendarHomeHref = text();
        break;
    case Element::Propstat:
        if (m_propstats++ == 0)
            m_firstPropstatStatus = m_propstat.status;
        // What a 404 or 403 propstat names is what the server does not have.
        if (m_propstat.status == 200) {
            mergeInto(m_response, m_propstat);
            m_okPropstat = true;
        }
        break;
    case Element::Response:
        if (m_response.href.isEmpty()) {
            fail(u"a response has no href"_s);
            return;
        }
        m_response.status = m_responseStatus ? m_responseStatus
                            : m_okPropstat   ? 200
                                             : m_firstPropstatStatus;
        m_responses.append(std::exchange(m_response, {}));
        break;
    default:
        break;
    }
    if (holdsText(element))
        m_text.clear();
}

QList<DavResponse> MultistatusReader::takeResponses()
{
    return std::exchange(m_responses, {});
}

QString MultistatusReader::error() const
{
    return m_error;
}
