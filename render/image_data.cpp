#include "render/image_data.h"

#include <cstdio>
#include <cstdlib>

#include "engine/services.h"
#include "folders/data_path.h"

namespace {
// Nothing the game reads comes near this; it keeps a bogus file from exhausting memory.
constexpr long MAX_FILE_SIZE = 256L * 1024 * 1024;
} // namespace

DecodedImage::~DecodedImage() {
    std::free(pixels);
}

bool DecodedImage::allocate(int32_t newComponents, int32_t newWidth, int32_t newHeight) {
    std::free(pixels);
    pixels = nullptr;
    components = newComponents;
    width = newWidth;
    height = newHeight;
    if (components <= 0 || width <= 0 || height <= 0) return false;
    pixels = static_cast<uint8_t*>(std::malloc(byteCount()));
    return pixels != nullptr;
}

FileBytes::~FileBytes() {
    std::free(data);
}

bool FileBytes::read(const char* fileName) {
    std::free(data);
    data = nullptr;
    size = 0;
    opened = false;
    if (!fileName) return false;
    std::FILE* file = std::fopen(services::dataFolders().hostPath(fileName).c_str(), "rb");
    if (!file) return false;
    opened = true;
    bool ok = false;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long length = std::ftell(file);
        if (length >= 0 && length <= MAX_FILE_SIZE && std::fseek(file, 0, SEEK_SET) == 0) {
            data = static_cast<uint8_t*>(std::malloc(length > 0 ? size_t(length) : 1));
            if (data && std::fread(data, 1, size_t(length), file) == size_t(length)) {
                size = size_t(length);
                ok = true;
            }
        }
    }
    std::fclose(file);
    if (!ok) {
        std::free(data);
        data = nullptr;
    }
    return ok;
}
