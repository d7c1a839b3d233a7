// Windows bitmaps: the decoder readBitmap hands the file's bytes to.
#include "fuzz/picture_check.h"
#include "render/image_bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkPicture(decodeBitmap(data, size));
    return 0;
}
