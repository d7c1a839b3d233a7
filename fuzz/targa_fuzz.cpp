// Targa pictures: the decoder readTarga hands the file's bytes to.
#include "fuzz/picture_check.h"
#include "render/image_targa.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkPicture(decodeTarga(data, size));
    return 0;
}
