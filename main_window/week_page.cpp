#include "week_page.h"

#include "controls/month_view.h"
#include "schedule/calendar_connection.h"
#include "schedule/recovery_file.h"
#include "schedule/week.h"

#include <algorithm>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextDocument>

QString boxText(const QPlainTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

WeekPage::WeekPage(const Controls &controls, CalendarConnection &connection,
                   QStringList recoveryFolders)
    : m_controls(controls), m_connection(connection), m_recoveryFolders(std::move(recoveryFolders))
{}

void WeekPage::SelectWeek(QDate day)
{
    MonthView *calendar = m_controls.monthView;
    calendar->setValue(day);
    calendar->setValue(firstDayOfWeek(calendar->value()));
    const QDate first = calendar->value();
    calendar->setSelStart(first);
    calendar->setSelEnd(first.addDays(kDaysPerWeek - 1));

    const QLocale locale;
    for (int k = 0; k < kDaysPerWeek; ++k)
        m_controls.headings[k]->setText(locale.toString(first.addDays(k), QLocale::LongFormat));
    m_controls.headings[kNotesField]->setText(kNotesHeading);

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
    if (!record || record->isEmpty())
        return true;
    const QStringList fields = decodeWeekRecord(*record);
    for (int i = 0; i < fields.size(); ++i)
        m_controls.boxes[i]->setPlainText(toShownText(fields[i]));
    return true;
}

WeekTexts WeekPage::texts() const
{
    WeekTexts texts;
    for (int i = 0; i < kWeekFieldCount; ++i)
        texts[i] = boxText(m_controls.boxes[i]);
    return texts;
}

bool WeekPage::SaveWeek()
{
    if (!m_weekStart.isValid())
        return true; // no week shown yet, nothing typed
    const WeekTexts shown = texts();
    WeekTexts stored;
    std::transform(shown.begin(), shown.end(), stored.begin(), toStoredText);
    if (m_connection.saveWeekData(m_weekStart, encodeWeekRecord(stored)))
        return true;

    const QString recovery = writeRecoveryFile(m_recoveryFolders, m_weekStart, shown);
    m_errorText = m_connection.lastError() + QStringLiteral("\n\n");
    if (recovery.isEmpty())
        m_errorText += QStringLiteral("The week's texts could not be written to a recovery file "
                                      "either.");
    else
        m_errorText += QStringLiteral("The week's texts were written to %1.")
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

bool WeekPage::ShowCurrentWeek(const QDateTime &now)
{
    m_controls.monthView->setToday(now.date());
    SelectWeek(now.date());
    ClearWeek();
    return LoadWeek();
}
