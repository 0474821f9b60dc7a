#include "app_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kFolder = QStringLiteral(":/i18n");
QString g_current; // empty until a language is installed

// The language part of a tag, lower case: "de" of "de-DE", "de_AT.UTF-8" or "de".
QString languageOf(const QString &tag)
{
    QString language = tag.section(u'.', 0, 0).section(u'@', 0, 0);
    language = language.section(u'-', 0, 0).section(u'_', 0, 0);
    return language.toLower();
}

} // namespace

namespace AppLanguage {

QStringList available()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
            QStringLiteral("fr"), QStringLiteral("ja")};
}

QString chooseFor(const QStringList &uiLanguages)
{
    const QStringList known = available();
    for (const QString &tag : uiLanguages) {
        const QString language = languageOf(tag);
        if (known.contains(language))
            return language;
    }
    return known.first();
}

bool install(QCoreApplication &application, const QString &language)
{
    auto *own = new QTranslator(&application);
    if (!own->load(QStringLiteral("orvanta_") + language, kFolder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    g_current = language;
    if (language == available().first())
        return true; // Qt's texts are English already
    // Qt's own are a separate package; without it its dialogs stay English, nothing worse.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QString current()
{
    return g_current.isEmpty() ? available().first() : g_current;
}

QString installForUser(QCoreApplication &application)
{
    const QString language = chooseFor(QLocale::system().uiLanguages());
    install(application, language);
    return language;
}

QString guide(const QString &language)
{
    QFile file(kFolder + QStringLiteral("/guide_") + language + QStringLiteral(".md"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace AppLanguage
