// JPEG pictures: the decoder readJpeg hands the file's bytes to.
#include <cstddef>
#include <cstdint>

#include "fuzz/picture_check.h"
#include "render/image_jpeg.h"

namespace {

// Whether the first frame header declares a picture too large to fuzz.
bool tooLarge(const uint8_t* data, size_t size) {
    for (size_t i = 0; i + 8 < size; ++i) {
        if (data[i] != 0xFF) continue;
        const uint8_t marker = data[i + 1];
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!frame) continue;
        return tooLargeToFuzz(data[i + 5] << 8 | data[i + 6], data[i + 7] << 8 | data[i + 8]);
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (tooLarge(data, size)) return 0;
    char error[200];
    checkPicture(decodeJpeg(data, size, error, sizeof error));
    return 0;
}
