// Windows bitmaps: the decoder readBitmap hands the file's bytes to.
#include "fuzz/picture_check.h"
#include "render/image_bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool core = headerWord<uint32_t>(data, size, 14) == 12; // 16-bit sides
    const int64_t width =
        core ? headerWord<uint16_t>(data, size, 18) : headerWord<int32_t>(data, size, 18);
    const int64_t height =
        core ? headerWord<uint16_t>(data, size, 20) : headerWord<int32_t>(data, size, 22);
    if (tooLargeToFuzz(width, height)) return 0;
    checkPicture(decodeBitmap(data, size));
    return 0;
}
