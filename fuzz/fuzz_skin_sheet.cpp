// The skin checker on any text: it always ends, and it never lets a NUL through.
#include "controls/skin_framework.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString sheet = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString problem = SkinFramework::styleSheetProblem(sheet);
    if (sheet.contains(QChar(u'\0')) && problem.isEmpty())
        std::abort();
    return 0;
}
