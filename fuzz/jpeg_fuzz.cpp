// JPEG pictures: the decoder readJpeg hands the file's bytes to.
#include <cstddef>
#include <cstdint>

#include "fuzz/picture_check.h"
#include "render/image_jpeg.h"

namespace {

// The size the first frame header declares (0 when none is found). A truncated stream still
// decodes to its full size, so a large one costs milliseconds per run and the fuzzer would
// spend its time there: pictures above 65536 pixels are left to the decoder's tests.
size_t declaredPixels(const uint8_t* data, size_t size) {
    for (size_t i = 0; i + 8 < size; ++i) {
        if (data[i] != 0xFF) continue;
        const uint8_t marker = data[i + 1];
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (!frame) continue;
        const size_t height = size_t(data[i + 5]) << 8 | data[i + 6];
        const size_t width = size_t(data[i + 7]) << 8 | data[i + 8];
        return width * height;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (declaredPixels(data, size) > size_t(1) << 16) return 0;
    char error[200];
    checkPicture(decodeJpeg(data, size, error, sizeof error));
    return 0;
}
