#pragma once

// What a printed PDF says, read by poppler's pdftotext: the program's own PDF writer is not
// asked what it wrote.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// Each page's text as pdftotext reads it.
inline QStringList pdfPages(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        QTest::qFail("pdftotext (poppler-utils) did not read the PDF", __FILE__, __LINE__);
        return {};
    }
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (pages.size() > 1 && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The text of each page without its foot, which must be the page's last line and end with
// "page N of M", N its place among the printed pages and M their count. The feet go to `feet`
// where it is given.
inline QStringList printedPages(const QString &pdf, QStringList *feet = nullptr)
{
    QStringList pages = pdfPages(pdf);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QStringList lines = pages[i].trimmed().split(u'\n');
        const QString foot = lines.takeLast().trimmed();
        if (!foot.endsWith(QStringLiteral("page %1 of %2").arg(i + 1).arg(pages.size()))) {
            QTest::qFail(qPrintable(QStringLiteral("page %1 ends with \"%2\", not its number")
                                        .arg(i + 1)
                                        .arg(foot)),
                         __FILE__, __LINE__);
            return {};
        }
        if (feet)
            feet->append(foot);
        pages[i] = lines.join(u'\n');
    }
    return pages;
}

// `text` without white space, which wrapping moves: what must come through word for word.
inline QString withoutSpaces(QString text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(space);
}
