// JPEG pictures: the decoder readJpeg hands the file's bytes to.
#include "fuzz/picture_check.h"
#include "render/image_jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char error[200];
    checkPicture(decodeJpeg(data, size, error, sizeof error));
    return 0;
}
