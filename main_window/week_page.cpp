#include "week_page.h"

#include "controls/month_view.h"
#include "schedule/calendar_connection.h"
#include "schedule/recovery_file.h"
#include "schedule/week.h"
#include "schedule/week_draft.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// A box's text exactly as typed, line breaks as the document keeps them (U+2029 between
// paragraphs, U+2028 for a line break within one). QPlainTextEdit::toPlainText would also turn
// no-break spaces into plain spaces.
QString rawText(const QPlainTextEdit *box)
{
    return box->document()->toRawText();
}

QString withLfBreaks(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, u'\n');
    raw.replace(QChar::LineSeparator, u'\n');
    return raw;
}

WeekTexts withLfBreaks(const WeekTexts &raw)
{
    WeekTexts texts;
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = withLfBreaks(raw[i]);
    return texts;
}

} // namespace

WeekPage::WeekPage(const Controls &controls, CalendarConnection &connection,
                   QStringList recoveryFolders, const QString &draftPath)
    : m_controls(controls), m_connection(connection), m_recoveryFolders(std::move(recoveryFolders)),
      m_draft(draftPath.isEmpty() ? nullptr : std::make_unique<DraftKeeper>(draftPath))
{}

WeekPage::~WeekPage() = default;

void WeekPage::keepDraft()
{
    if (!m_draft || !m_weekStart.isValid())
        return;
    WeekTexts raw = rawTexts();
    // Typed, then undone: the database has it all, or, for a week without a row, there is
    // nothing to keep (a draft of empty boxes would come back as a recovery of nothing).
    if (raw == m_loaded)
        m_draft->discard();
    else
        m_draft->keep(m_weekStart, std::move(raw));
}

void WeekPage::SelectWeek(QDate day)
{
    MonthView *calendar = m_controls.monthView;
    calendar->setValue(day);
    calendar->setValue(firstDayOfWeek(calendar->value()));
    const QDate first = calendar->value();
    calendar->setSelStart(first);
    calendar->setSelEnd(first.addDays(kDaysPerWeek - 1));

    const QLocale locale;
    for (int k = 0; k < kDaysPerWeek; ++k) {
        const QString date = locale.toString(first.addDays(k), QLocale::LongFormat);
        m_controls.headings[k]->setText(date);
        // A screen reader names each box by its day, which its heading shows only as a picture
        // of text above it.
        m_controls.boxes[k]->setAccessibleName(date);
    }
    m_controls.headings[kNotesField]->setText(tr("Additional Notes For The Week"));
    m_controls.boxes[kNotesField]->setAccessibleName(
        tr("Notes for the week of %1").arg(locale.toString(first, QLocale::LongFormat)));

    m_weekStartText = locale.toString(first, QLocale::ShortFormat);
    m_weekStart = first;
}

void WeekPage::ClearWeek()
{
    for (QPlainTextEdit *box : m_controls.boxes)
        box->clear();
}

bool WeekPage::LoadWeek()
{
    std::optional<QString> record;
    if (!m_connection.loadWeekData(m_controls.monthView->selStart(), record)) {
        m_errorText = m_connection.lastError();
        return false;
    }
    if (record && !record->isEmpty()) {
        const QStringList fields = decodeWeekRecord(*record);
        for (int i = 0; i < fields.size(); ++i)
            m_controls.boxes[i]->setPlainText(fields[i]); // CR LF becomes one line break
    }
    m_stored = record.has_value();
    m_loaded = rawTexts();
    return true;
}

WeekTexts WeekPage::rawTexts() const
{
    WeekTexts raw;
    for (int i = 0; i < kWeekFieldCount; ++i)
        raw[i] = rawText(m_controls.boxes[i]);
    return raw;
}

bool WeekPage::holdsWhatIsStored(const WeekTexts &raw) const
{
    return m_stored && raw == m_loaded;
}

WeekTexts WeekPage::texts() const
{
    return withLfBreaks(rawTexts());
}

WeekTexts WeekPage::storedTexts() const
{
    return withLfBreaks(m_loaded);
}

std::optional<WeekTexts> WeekPage::readStored()
{
    std::optional<QString> record;
    if (!m_connection.loadWeekData(m_weekStart, record)) {
        m_errorText = m_connection.lastError();
        return std::nullopt;
    }
    WeekTexts stored;
    const QStringList fields = record ? decodeWeekRecord(*record) : QStringList();
    for (int i = 0; i < kWeekFieldCount; ++i) {
        // As a box would hold it, then back: the breaks as the boxes' texts have them.
        QTextDocument document;
        document.setPlainText(fields.value(i));
        stored[i] = withLfBreaks(document.toRawText());
    }
    return stored;
}

void WeekPage::takeStored(const WeekTexts &stored)
{
    for (int i = 0; i < kWeekFieldCount; ++i) {
        QTextDocument document;
        document.setPlainText(stored[i]);
        m_loaded[i] = document.toRawText();
    }
    m_stored = true;
}

bool WeekPage::SaveWeek()
{
    m_textsOnlyOnScreen = false;
    if (!m_weekStart.isValid())
        return true; // no week shown yet, nothing typed
    const WeekTexts raw = rawTexts();
    // A week left as it was loaded stays as it is stored, byte for byte: nothing is written, so
    // browsing costs no disk sync and text that another tool stored is never re-encoded.
    if (holdsWhatIsStored(raw)) {
        if (m_draft)
            m_draft->discard();
        return true;
    }
    // The record's own pass turns the document's breaks into CR LF: a week of megabytes is
    // read once more, not three times.
    if (m_connection.saveWeekData(m_weekStart, encodeWeekRecord(raw))) {
        const WeekTexts before = m_stored ? m_loaded : WeekTexts{};
        m_stored = true;
        m_loaded = raw;
        if (m_draft)
            m_draft->discard();
        if (m_written)
            m_written(m_weekStart, withLfBreaks(before), withLfBreaks(raw));
        return true;
    }

    const QString recovery = writeRecoveryFile(m_recoveryFolders, m_weekStart, texts());
    m_errorText = m_connection.lastError() + QStringLiteral("\n\n");
    m_textsOnlyOnScreen = recovery.isEmpty();
    if (m_textsOnlyOnScreen)
        m_errorText += tr("No recovery file could be written either: the week's "
                                      "texts are only in the window. Copy them somewhere safe.");
    else
        m_errorText += tr("The week's texts were written to %1.")
                           .arg(QDir::toNativeSeparators(recovery));
    return false;
}

bool WeekPage::CalendarDateClicked(QDate clickedDay)
{
    if (!SaveWeek())
        return false;
    SelectWeek(clickedDay);
    ClearWeek();
    return LoadWeek();
}

bool WeekPage::ShowCurrentWeek(const QDateTime &now, QDate day)
{
    m_controls.monthView->setToday(now.date());
    SelectWeek(day.isValid() ? day : now.date());
    ClearWeek();
    return LoadWeek();
}
