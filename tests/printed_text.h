#pragma once

// What a printed PDF says, read by poppler's pdftotext: the program's own PDF writer is not
// asked what it wrote.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// The text of each page, without its page number, which must be the page's last line.
inline QStringList printedPages(const QString &pdf)
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
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QStringList lines = pages[i].trimmed().split(u'\n');
        if (lines.last().trimmed() != QString::number(i + 1)) {
            QTest::qFail(qPrintable(QStringLiteral("page %1 ends without its number").arg(i + 1)),
                         __FILE__, __LINE__);
            return {};
        }
        lines.removeLast();
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
