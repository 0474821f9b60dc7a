#include "journal_entry.h"

#include "merge.h"

#include <libical/ical.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace JournalEntries {

namespace {

// A calendar object resource holds a few entries; anything this large is not one of ours, and
// libical would hold it several times over.
constexpr qsizetype kMaxResourceBytes = 16 * 1024 * 1024;
constexpr qsizetype kSummaryCharacters = 60;
constexpr char kProductId[] = "-//Orvanta//Orvanta weekly schedule//EN";

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// iCalendar has one line break in a text (\n); a text box may hold CR LF or a lone CR.
using SyncMerge::withLfBreaks;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The white space at either end of a DESCRIPTION's value, as written. libical's parser trims
// every value, so that a text that starts with an indented line or ends in a space would come
// back without them; what it trimmed is put back from here.
struct Edges
{
    QByteArray lead;
    QByteArray trail;
};

Edges edgesOf(QByteArrayView value)
{
    qsizetype lead = 0;
    while (lead < value.size() && isBlank(value[lead]))
        ++lead;
    if (lead == value.size())
        return {value.toByteArray(), {}};
    qsizetype trail = value.size();
    while (isBlank(value[trail - 1]))
        --trail;
    return {value.first(lead).toByteArray(), value.sliced(trail).toByteArray()};
}

// The edges of the first DESCRIPTION of each VJOURNAL directly inside the VCALENDAR, in order
// (an entry without one has none), from the content lines unfolded as libical unfolds them.
QList<Edges> descriptionEdges(QByteArrayView ics)
{
    QList<Edges> found;
    QList<QByteArray> open; // the components the line is in, outermost first
    bool described = false;  // whether the VJOURNAL being read had its DESCRIPTION
    QByteArray line;
    const auto takeLine = [&] {
        const qsizetype nameEnd = [&] {
            for (qsizetype i = 0; i < line.size(); ++i) {
                if (line[i] == ':' || line[i] == ';')
                    return i;
            }
            return line.size();
        }();
        const QByteArray name = line.first(nameEnd).trimmed().toUpper();
        const QByteArray rest = line.sliced(nameEnd);
        if (name == "BEGIN") {
            open.append(rest.sliced(rest.isEmpty() ? 0 : 1).trimmed().toUpper());
            if (open.size() == 2 && open[0] == "VCALENDAR" && open[1] == "VJOURNAL") {
                found.append(Edges{});
                described = false;
            }
        } else if (name == "END") {
            if (!open.isEmpty())
                open.removeLast();
        } else if (name == "DESCRIPTION" && !described && open.size() == 2 &&
                   open[0] == "VCALENDAR" && open[1] == "VJOURNAL") {
            described = true;
            bool quoted = false; // a parameter's quoted value may hold a colon
            for (qsizetype i = 0; i < rest.size(); ++i) {
                if (rest[i] == '"')
                    quoted = !quoted;
                else if (rest[i] == ':' && !quoted) {
                    found.last() = edgesOf(QByteArrayView(rest).sliced(i + 1));
                    break;
                }
            }
        }
        line.clear();
    };
    for (qsizetype start = 0; start < ics.size();) {
        qsizetype end = ics.indexOf('\n', start);
        if (end < 0)
            end = ics.size();
        QByteArrayView physical = ics.sliced(start, end - start);
        if (physical.endsWith('\r'))
            physical.chop(1);
        if (!physical.isEmpty() && isBlank(physical[0])) {
            line += physical.sliced(1);
        } else {
            if (start > 0)
                takeLine();
            line = physical.toByteArray();
        }
        start = end + 1;
    }
    takeLine();
    return found;
}

// A DATE or DATE-TIME property's value as written, or null where it has none.
icaltimetype timeOf(icalproperty *property)
{
    const icalvalue *value = property ? icalproperty_get_value(property) : nullptr;
    if (!value)
        return icaltime_null_time();
    const icalvalue_kind kind = icalvalue_isa(value);
    if (kind != ICAL_DATE_VALUE && kind != ICAL_DATETIME_VALUE)
        return icaltime_null_time();
    return icalvalue_get_datetime(value);
}

// LAST-MODIFIED and DTSTAMP are UTC by definition; a writer that gave them a zone anyway is
// read as if it had not, which is off by hours at most and only decides which change is newer.
QDateTime utcOf(const icaltimetype &time)
{
    if (icaltime_is_null_time(time))
        return {};
    const QDate date(time.year, time.month, time.day);
    const QTime clock = time.is_date ? QTime(0, 0)
                                     : QTime(time.hour, time.minute, qMin(time.second, 59));
    if (!date.isValid() || !clock.isValid())
        return {};
    return QDateTime(date, clock, Qt::UTC);
}

} // namespace

QByteArray build(const QString &uid, QDate day, const QString &summary, const QString &text,
                 const QDateTime &stamp)
{
    // libical writes no date after the year 3000 (a null date instead, which no one reads).
    if (!day.isValid() || day.year() < 1 || day.year() > 3000)
        return {};
    const QDateTime utc = stamp.isValid() ? stamp.toUTC() : QDateTime::currentDateTimeUtc();
    const icaltimetype stampTime = icaltime_from_timet_with_zone(
        time_t(utc.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
    icaltimetype date = icaltime_null_date();
    date.year = day.year();
    date.month = day.month();
    date.day = day.day();

    // No iCalendar text can hold a NUL, and libical takes C strings.
    const auto bytesOf = [](QString value) { return value.remove(QChar(u'\0')).toUtf8(); };

    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent *journal = icalcomponent_new(ICAL_VJOURNAL_COMPONENT);
    icalcomponent_add_component(calendar.get(), journal); // the calendar owns it from here
    icalcomponent_add_property(journal, icalproperty_new_uid(bytesOf(uid).constData()));
    icalcomponent_add_property(journal, icalproperty_new_dtstamp(stampTime));
    icalcomponent_add_property(journal, icalproperty_new_lastmodified(stampTime));
    icalcomponent_add_property(journal, icalproperty_new_dtstart(date));
    if (!summary.isEmpty()) {
        icalcomponent_add_property(
            journal, icalproperty_new_summary(bytesOf(withLfBreaks(summary)).constData()));
    }
    icalcomponent_add_property(
        journal, icalproperty_new_description(bytesOf(withLfBreaks(text)).constData()));

    // libical escapes the texts and folds at 75 octets between characters, in CR LF lines.
    char *written = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray result(written);
    icalmemory_free_buffer(written);
    return result;
}

QString summaryOf(const QString &text)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = QStringView(text).sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        qsizetype characters = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            // A cut between the halves of a surrogate pair would leave half a character.
            if (!line[i].isLowSurrogate() && ++characters > kSummaryCharacters)
                return line.first(i).toString() + u'…';
        }
        return line.toString();
    }
    return {};
}

Reading read(QByteArrayView ics)
{
    Reading reading;
    if (ics.size() > kMaxResourceBytes) {
        reading.error = u"The calendar object is larger than 16 MB."_s;
        return reading;
    }
    // libical reads a C string: what follows a NUL would be dropped without a word.
    if (ics.contains('\0')) {
        reading.error = u"The calendar object holds a NUL byte."_s;
        return reading;
    }
    const QByteArray text = ics.toByteArray(); // NUL-terminated
    const Component root(icalparser_parse_string(text.constData()));
    if (!root) {
        reading.error = u"The calendar object holds no iCalendar component."_s;
        return reading;
    }
    if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
        reading.error = u"The calendar object is not one VCALENDAR."_s;
        return reading;
    }

    const QList<Edges> edges = descriptionEdges(text);
    const bool edgesFit = edges.size() == icalcomponent_count_components(
                                              root.get(), ICAL_VJOURNAL_COMPONENT);
    qsizetype journalIndex = -1;
    for (icalcomponent *component = icalcomponent_get_first_component(root.get(),
                                                                      ICAL_ANY_COMPONENT);
         component;
         component = icalcomponent_get_next_component(root.get(), ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            continue;
        if (kind != ICAL_VJOURNAL_COMPONENT) {
            reading.holdsOtherComponents = true;
            continue;
        }
        ++journalIndex;

        JournalEntry entry;
        entry.uid = QString::fromUtf8(icalcomponent_get_uid(component));
        // The day as written, whatever its zone: a TZID's wall clock, UTC's for a "Z" time.
        const icaltimetype start =
            timeOf(icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY));
        if (!icaltime_is_null_time(start))
            entry.day = QDate(start.year, start.month, start.day);
        if (entry.uid.isEmpty() || !entry.day.isValid())
            continue;

        // A value of white space alone leaves libical no DESCRIPTION at all.
        icalproperty *description =
            icalcomponent_get_first_property(component, ICAL_DESCRIPTION_PROPERTY);
        QByteArray value(description ? icalproperty_get_description(description) : nullptr);
        if (edgesFit)
            value = edges[journalIndex].lead + value + edges[journalIndex].trail;
        entry.description = withLfBreaks(QString::fromUtf8(value));
        icalproperty *modified =
            icalcomponent_get_first_property(component, ICAL_LASTMODIFIED_PROPERTY);
        if (!modified)
            modified = icalcomponent_get_first_property(component, ICAL_DTSTAMP_PROPERTY);
        entry.modified = utcOf(timeOf(modified));
        reading.journals.append(entry);
    }
    return reading;
}

} // namespace JournalEntries
