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

// Whether `text` is something, a conflict line, then `other`: `other` was merged into it.
bool holdsAfterConflictLine(const QString &text, const QString &other)
{
    if (other.isEmpty() || text.size() <= other.size() || !text.endsWith(other))
        return false;
    const QString before = text.first(text.size() - other.size());
    QRegularExpressionMatch match;
    const qsizetype at = before.lastIndexOf(conflictLinePattern(), -1, &match);
    return at >= 0 && at + match.capturedLength() == before.size();
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
    if (holdsAfterConflictLine(here, there))
        return {here};
    if (holdsAfterConflictLine(there, here))
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
