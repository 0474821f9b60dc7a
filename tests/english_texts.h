#pragma once

// The program's English texts with their plural forms ("1 week", "2 weeks"), installed as the
// program's main() installs the user's language, before the test's first line runs.
#include "translations/app_language.h"

#include <QCoreApplication>

namespace {

void installEnglishTexts()
{
    AppLanguage::install(*QCoreApplication::instance(), QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglishTexts)
