#include "merge.h"

#include <QRegularExpression>

namespace SyncMerge {

namespace {

// A conflict line of any moment, alone on its line, followed by the rest of the text.
const QRegularExpression &conflictLinePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("\n\u2014 changed on another device \\(\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}\\) "
                       "\u2014\n"));
    return pattern;
}

// Whether `text` already holds `other` whole beside a conflict line: before it (a merge that
// put `other` first) or after it. Such a text came from merging `other` before.
bool holdsBesideConflictLine(const QString &text, const QString &other)
{
    if (other.isEmpty() || text.size() <= other.size())
        return false;
    QRegularExpressionMatch match;
    if (text.endsWith(other)) {
        const QString before = text.first(text.size() - other.size());
        const qsizetype at = before.lastIndexOf(conflictLinePattern(), -1, &match);
        if (at >= 0 && at + match.capturedLength() == before.size())
            return true;
    }
    if (text.startsWith(other)) {
        match = conflictLinePattern().match(text, other.size(),
                                            QRegularExpression::NormalMatch,
                                            QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch())
            return true;
    }
    return false;
}

} // namespace

QString conflictLine(const QDateTime &when)
{
    return QStringLiteral("\u2014 changed on another device (%1) \u2014")
        .arg(when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

Result merge(const std::optional<QString> &base, const QString &here, const QString &there,
             const QDateTime &otherChanged)
{
    if (here == there)
        return {here};
    if (base) {
        if (here == *base)
            return {there};
        if (there == *base)
            return {here};
    }
    if (here.isEmpty())
        return {there};
    if (there.isEmpty())
        return {here};
    if (holdsBesideConflictLine(here, there))
        return {here};
    if (holdsBesideConflictLine(there, here))
        return {there};
    return {here + u'\n' + conflictLine(otherChanged) + u'\n' + there, true};
}

QString withLfBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace SyncMerge
