#include "find_window.h"

#include <algorithm>
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int kHtmlRole = Qt::UserRole + 1;

// Draws a result's two lines, the week and day in bold, the matched words emphasised.
class ResultDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setHtml(index.data(kHtmlRole).toString());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = option.palette;
        context.palette.setColor(QPalette::Text, option.state & QStyle::State_Selected
                                                     ? option.palette.highlightedText().color()
                                                     : option.palette.text().color());
        painter->save();
        painter->translate(option.rect.topLeft() + QPoint(4, 2));
        painter->setClipRect(QRect(QPoint(), option.rect.size()));
        document.documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QTextDocument document;
        document.setDefaultFont(option.font);
        document.setHtml(index.data(kHtmlRole).toString());
        return {int(document.idealWidth()) + 8, int(document.size().height()) + 4};
    }
};

// The line with each matched part in bold, the rest escaped.
QString emphasised(const FindResult &result)
{
    QString html;
    qsizetype at = 0;
    for (const TextMatch::Span &span : result.inLine) {
        if (span.start < at)
            continue;
        html += result.line.mid(at, span.start - at).toHtmlEscaped() + QStringLiteral("<b>") +
                result.line.mid(span.start, span.length).toHtmlEscaped() + QStringLiteral("</b>");
        at = span.start + span.length;
    }
    return html + result.line.mid(at).toHtmlEscaped();
}

} // namespace

FindWindow::FindWindow(const QString &databasePath,
                       std::function<std::optional<ShownWeek>()> shownWeek, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_shownWeek(std::move(shownWeek)), m_search(databasePath)
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(tr("Find in all weeks"));
    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("FindQuery"));
    m_query->setPlaceholderText(tr("Words, or a \"phrase\""));
    m_query->setClearButtonEnabled(true);
    m_query->setAccessibleName(tr("Words to find"));
    m_count = new QLabel(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("FindResults"));
    m_list->setItemDelegate(new ResultDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setAccessibleName(tr("Days found"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_query);
    layout->addWidget(m_count);
    layout->addWidget(m_list);
    resize(380, 440);

    m_pause.setSingleShot(true);
    m_pause.setInterval(kPause);
    connect(m_query, &QLineEdit::textEdited, &m_pause, qOverload<>(&QTimer::start));
    connect(&m_pause, &QTimer::timeout, this, &FindWindow::startSearch);
    connect(m_query, &QLineEdit::returnPressed, this, [this] {
        if (m_pause.isActive() || m_query->text() != m_searchedFor)
            startSearch(); // Enter before the pause is over: search now, go to the first
        if (m_list->currentRow() < 0 && m_list->count() > 0)
            m_list->setCurrentRow(0);
        if (m_list->currentRow() >= 0)
            chooseCurrent();
        else
            m_chooseWhenDone = m_searching; // Enter before the results: the first, once here
    });
    connect(m_list, &QListWidget::itemActivated, this, &FindWindow::chooseCurrent);
    connect(&m_search, &WeekSearch::found, this, &FindWindow::addResults);
    connect(&m_search, &WeekSearch::finished, this, &FindWindow::searchFinished);
    m_query->installEventFilter(this); // Down from the query goes to the results
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_query && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && m_list->count() > 0) {
        m_list->setFocus();
        if (m_list->currentRow() < 0)
            m_list->setCurrentRow(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::open(const QWidget &main, const QString &query)
{
    if (!query.isEmpty()) {
        m_query->setText(query);
        startSearch();
    }
    if (!isVisible()) {
        // Beside the main window, never over it where the screen has room: right of it, else
        // left of it, narrower where that is all the room there is.
        const QRect frame = main.frameGeometry();
        const QScreen *screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
        const QRect area = screen->availableGeometry();
        const int gap = 8, narrowest = 260, wanted = 380;
        const int right = area.right() - frame.right() - gap,
                  left = frame.left() - area.left() - gap;
        const int room = std::max(right, left);
        resize(std::clamp(room, narrowest, wanted), height());
        const int x = right >= width() || right >= left
                          ? std::min(frame.right() + gap, area.right() - width())
                          : std::max(area.left(), frame.left() - gap - width());
        move(x,
             std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    show();
    raise();
    activateWindow();
    m_query->setFocus();
    m_query->selectAll();
}

void FindWindow::startSearch()
{
    m_pause.stop();
    m_chooseWhenDone = false;
    m_searchedFor = m_query->text();
    m_results.clear();
    m_list->clear();
    if (TextMatch::Query(m_searchedFor).isEmpty()) {
        m_search.cancel();
        m_count->clear();
        return;
    }
    m_currentSearch = m_search.start(m_searchedFor, m_shownWeek ? m_shownWeek() : std::nullopt);
    m_searching = true;
    showCount(false);
}

void FindWindow::addResults(int search, const QList<FindResult> &results)
{
    if (search != m_currentSearch)
        return;
    for (const FindResult &result : results) {
        const auto at =
            std::upper_bound(m_results.begin(), m_results.end(), result, WeekFind::newerFirst);
        const qsizetype row = at - m_results.begin();
        m_results.insert(at, result);
        if (row >= kListed)
            continue;
        // The item's text is also what a screen reader reads of it.
        const QString heading = headingOf(result, QLocale());
        auto *item = new QListWidgetItem(QStringLiteral("%1: %2").arg(heading, result.line));
        item->setData(
            kHtmlRole,
            QStringLiteral("<b>%1</b><br>%2").arg(heading.toHtmlEscaped(), emphasised(result)));
        m_list->insertItem(int(row), item);
        if (m_list->count() > kListed)
            delete m_list->takeItem(m_list->count() - 1);
    }
    showCount(false);
}

QString FindWindow::headingOf(const FindResult &result, const QLocale &locale)
{
    const QString day = locale.toString(WeekFind::dayOf(result), QLocale::LongFormat);
    return result.box == kNotesField ? tr("Notes, week of %1").arg(day) : day;
}

void FindWindow::searchFinished(int search, const QString &error)
{
    if (search != m_currentSearch)
        return;
    m_searching = false;
    if (std::exchange(m_chooseWhenDone, false) && m_list->count() > 0) {
        m_list->setCurrentRow(0);
        chooseCurrent();
    }
    if (!error.isEmpty()) {
        m_count->setText(tr("The weeks cannot be searched: %1").arg(error));
        return;
    }
    showCount(true);
}

void FindWindow::showCount(bool done)
{
    const qsizetype count = m_results.size();
    QString text = tr("%Ln result(s)", nullptr, int(count));
    if (count > kListed)
        text += tr(", the newest %Ln listed", nullptr, kListed);
    if (!done)
        text += tr(" so far…");
    m_count->setText(text);
}

void FindWindow::chooseCurrent()
{
    const int row = m_list->currentRow();
    if (row >= 0 && row < m_results.size())
        emit resultChosen(m_results[row]);
}

void FindWindow::chooseNext(int step)
{
    const int count = m_list->count();
    if (count == 0)
        return;
    const int row = m_list->currentRow();
    m_list->setCurrentRow(row < 0 ? (step > 0 ? 0 : count - 1) : (row + step + count) % count);
    chooseCurrent();
}
