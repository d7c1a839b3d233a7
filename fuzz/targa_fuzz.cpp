// Targa pictures: the decoder readTarga hands the file's bytes to.
#include "fuzz/picture_check.h"
#include "render/image_targa.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (tooLargeToFuzz(headerWord<uint16_t>(data, size, 12), headerWord<uint16_t>(data, size, 14)))
        return 0;
    checkPicture(decodeTarga(data, size));
    return 0;
}
