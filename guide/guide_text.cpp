#include "guide_text.h"

#include "translations/app_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

// A table cell's text: Markdown's own characters there stay text.
QString cell(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'|', QStringLiteral("\\|"));
    return text;
}

} // namespace

namespace GuideText {

QString markdown(const QString &readme, const QList<Key> &keys)
{
    // The users' part: from its heading to the developers' one (or the end).
    static const QRegularExpression start(QStringLiteral("^## Using Orvanta\\s*$"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression end(QStringLiteral("^## For developers\\s*$"),
                                        QRegularExpression::MultilineOption);
    static const QRegularExpression picture(QStringLiteral("^!\\[[^\\]]*\\]\\([^)]*\\)\\s*$\\n?"),
                                            QRegularExpression::MultilineOption);
    const qsizetype from = readme.indexOf(start);
    QString guide = from < 0 ? readme : readme.mid(from);
    if (const qsizetype to = guide.indexOf(end); to > 0)
        guide.truncate(to);
    guide.remove(picture);
    // A line break inside a paragraph reads as a space, which Chinese and Japanese do not put
    // between words: there the lines join.
    static const QRegularExpression wideBreak(
        QStringLiteral("(?<=[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}])\\n"
                       "(?=[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}])"));
    guide.remove(wideBreak);
    guide = QStringLiteral("# Orvanta\n\n") + guide.trimmed() + QStringLiteral("\n\n## ") +
            QCoreApplication::translate("GuideText", "Keys", "the heading of the table of keys") +
            QStringLiteral("\n\n");

    guide += QStringLiteral("| %1 | %2 |\n|---|---|\n")
                 .arg(QCoreApplication::translate("GuideText", "What"),
                      QCoreApplication::translate("GuideText", "Keys"));
    for (const Key &key : keys)
        guide += QStringLiteral("| %1 | %2 |\n")
                     .arg(cell(key.action),
                          key.keys.isEmpty() ? QCoreApplication::translate("GuideText", "(in the menu)") : cell(key.keys));
    return guide;
}

QString builtInGuide()
{
    const QString translated = AppLanguage::guide(AppLanguage::current());
    return translated.isEmpty() ? builtInReadme() : translated;
}

QString builtInReadme()
{
    QFile file(QStringLiteral(":/orvanta/README.md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace GuideText
