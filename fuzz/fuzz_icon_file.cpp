// The icon and cursor reader on any bytes: it never reads out of bounds, and what it accepts is
// a bounded number of real images of at most 256 x 256 pixels.
#include "controls/icon_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file =
        IconFile::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!file)
        return 0;
    if (file->images.isEmpty() || file->images.size() > 64)
        std::abort();
    for (const IconFile::Image &image : file->images) {
        if (image.image.isNull() || image.image.width() > 256 || image.image.height() > 256)
            std::abort();
    }
    return 0;
}
