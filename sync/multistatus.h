#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>

// A WebDAV multistatus answer (RFC 4918, 4791, 6578) read as it arrives: a server's answer to
// PROPFIND and REPORT, parsed with QXmlStreamReader piece by piece, so that an answer of any
// size is never held whole. Only what sync uses is kept; everything else is skipped.
struct DavResponse
{
    QString href;        // as the server wrote it, percent-decoding left to the caller
    int status = 0;      // the response's own status line (404: gone), else the 200 propstat's
                         // (200), else the first propstat's
    QByteArray etag;     // getetag, quotes and all, as the server wrote it
    QByteArray calendarData; // calendar-data, the iCalendar text as UTF-8
    bool isCollection = false;      // resourcetype holds DAV:collection
    bool isCalendar = false;        // resourcetype holds CALDAV:calendar
    QStringList components;         // supported-calendar-component-set: "VJOURNAL", "VEVENT"...
    QString displayName;            // displayname
    QString principalHref;          // current-user-principal's href
    QString calendarHomeHref;       // calendar-home-set's (first) href
};

class MultistatusReader
{
public:
    // Feeds the next bytes of the answer; any split of the bytes reads alike.
    void addData(QByteArrayView bytes);
    // The responses read whole since the last take, in the order of the answer.
    QList<DavResponse> takeResponses();
    // The sync-token of a sync-collection answer; empty until read.
    QString syncToken() const { return m_syncToken; }
    // Whether the closing multistatus element has been read: an answer cut off anywhere before
    // it is not finished, however well-formed what came was.
    bool finished() const { return m_finished; }
    // Empty, or why the bytes are no well-formed multistatus (broken XML, another root
    // element, a response without an href, text after the end).
    QString error() const;

private:
    // The elements read; every other one, and all inside it, is Other.
    enum class Element {
        Document, Multistatus, SyncToken, Response, Href, ResponseStatus, Propstat,
        PropstatStatus, Prop, Etag, CalendarData, ResourceType, Collection, Calendar,
        ComponentSet, Component, DisplayName, Principal, PrincipalHref, CalendarHome,
        CalendarHomeHref, Other
    };
    Element childOf(Element parent) const; // the element just started, by its parent
    static bool holdsText(Element element);
    void startElement();
    void endElement();
    void appendText();
    void fail(const QString &why);

    // The answer is decoded here, not by the XML reader, which fails on bytes that are no UTF-8
    // when they come at once but only waits for more when they come in pieces.
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    QXmlStreamReader m_xml;
    QList<Element> m_open; // the elements the reader is in, outermost first
    QByteArray m_text;     // the text of the innermost open element that holds one, as UTF-8
    DavResponse m_response;  // the response being read, with its 200 propstats' properties
    DavResponse m_propstat;  // the propstat being read: its status and properties
    int m_responseStatus = 0;      // the response's own status, 0 where it has none
    int m_firstPropstatStatus = 0;
    int m_propstats = 0;
    bool m_okPropstat = false;     // whether one of its propstats had status 200
    QList<DavResponse> m_responses;
    QString m_syncToken;
    bool m_finished = false;
    QString m_error;
};
