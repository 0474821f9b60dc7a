#include "skin_framework.h"

#include "files/small_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

namespace {

// Reads or writes a property kept in `field`; empty when the call does not fit the property.
template <typename T>
std::optional<DispatchResult> accessProperty(T &field, DispatchKind kind,
                                             const QVariantList &arguments)
{
    if (kind == DispatchKind::PropertyGet && arguments.isEmpty())
        return DispatchResult{QVariant::fromValue(field), {}};
    if (kind == DispatchKind::PropertyPut && arguments.size() == 1 &&
        arguments.front().canConvert<T>()) {
        field = arguments.front().value<T>();
        return DispatchResult{};
    }
    return std::nullopt;
}

} // namespace

DispatchResult SkinFramework::Invoke(DISPID member, DispatchKind kind,
                                     const QVariantList &arguments)
{
    std::optional<DispatchResult> result;
    switch (member) {
    case kLoadSkin:
        if (kind == DispatchKind::Method && arguments.size() == 2)
            result = loadSkin(arguments.front().toString());
        break;
    case kApplyWindow:
        if (kind == DispatchKind::Method && arguments.size() == 1)
            result = applyWindow(arguments.front().toInt());
        break;
    case kFlags:
        result = accessProperty(m_flags, kind, arguments);
        break;
    case kSetting5:
        result = accessProperty(m_setting5, kind, arguments);
        break;
    case kSetting10:
        result = accessProperty(m_setting10, kind, arguments);
        break;
    default:
        break;
    }
    if (result)
        return *result;
    return DispatchResult::failure(
        QCoreApplication::translate("SkinFramework", "the skinning control has no member %1 to be called that way").arg(member));
}

DispatchResult SkinFramework::loadSkin(const QString &path)
{
    const SmallFile file = SmallFile::read(QDir::fromNativeSeparators(path), kMaxSkinBytes);
    if (!file.ok())
        return DispatchResult::failure(
            file.problemText(QCoreApplication::translate("SkinFramework", "it is larger than a skin can be")));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString sheet = utf8(file.bytes);
    if (utf8.hasError())
        return DispatchResult::failure(QCoreApplication::translate("SkinFramework", "it is not UTF-8 text"));
    if (const QString problem = styleSheetProblem(sheet); !problem.isEmpty())
        return DispatchResult::failure(problem);
    m_sheet = sheet;
    m_loaded = true;
    return {};
}

DispatchResult SkinFramework::applyWindow(qint32 handle) const
{
    if (!m_loaded)
        return DispatchResult::failure(QCoreApplication::translate("SkinFramework", "no skin is loaded"));
    QWidget *window = QWidget::find(static_cast<WId>(static_cast<quint32>(handle)));
    if (!window)
        return DispatchResult::failure(QCoreApplication::translate("SkinFramework", "no window has the handle %1").arg(handle));
    window->setStyleSheet(m_sheet);
    return {};
}

QString SkinFramework::styleSheetProblem(QStringView sheet)
{
    const auto at = [](int line, const QString &what) {
        return QCoreApplication::translate("SkinFramework", "line %1: %2").arg(line).arg(what);
    };
    // Anywhere, quoted text and comments included.
    if (const qsizetype nul = sheet.indexOf(QChar(u'\0')); nul >= 0)
        return at(int(sheet.first(nul).count(u'\n')) + 1, QCoreApplication::translate("SkinFramework", "a NUL character"));
    int line = 1;
    int depth = 0;
    int openedAt = 0;
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        const QChar c = sheet[i];
        if (c == u'\n') {
            ++line;
        } else if (c == u'/' && sheet.mid(i + 1).startsWith(u'*')) {
            const qsizetype end = sheet.indexOf(u"*/", i + 2);
            if (end < 0)
                return at(line, QCoreApplication::translate("SkinFramework", "a comment is never closed"));
            line += int(sheet.mid(i, end - i).count(u'\n'));
            i = end + 1;
        } else if (c == u'"' || c == u'\'') {
            // Quoted text ends on its line, at its own quote; a backslash escapes one character.
            qsizetype j = i + 1;
            while (j < sheet.size() && sheet[j] != c && sheet[j] != u'\n') {
                if (sheet[j] == u'\\' && sheet.mid(j + 1).startsWith(u'\n'))
                    ++line; // an escaped line break goes on to the next line
                j += sheet[j] == u'\\' ? 2 : 1;
            }
            if (j >= sheet.size() || sheet[j] != c)
                return at(line, QCoreApplication::translate("SkinFramework", "a quoted text is never closed"));
            i = j;
        } else if (c == u'{') {
            if (depth++ == 0)
                openedAt = line;
        } else if (c == u'}') {
            if (depth == 0)
                return at(line, QCoreApplication::translate("SkinFramework", "'}' closes nothing"));
            --depth;
        }
    }
    if (depth > 0)
        return at(openedAt, QCoreApplication::translate("SkinFramework", "'{' is never closed"));
    return {};
}
