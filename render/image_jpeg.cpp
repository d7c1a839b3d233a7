#include "render/image_jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

// A header can claim up to 65500 × 65500 pixels; far beyond any texture we could make.
constexpr JDIMENSION MAX_SIDE = 16384;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void leaveDecoder(j_common_ptr info) {
    ErrorManager* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->base.output_message(info);
    manager->base.format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void widenGrey(uint8_t* pixels, size_t pixelCount) {
    // In place from the end: pixel i moves to 3i, never over one not yet read.
    for (size_t i = pixelCount; i-- > 0;)
        pixels[3 * i] = pixels[3 * i + 1] = pixels[3 * i + 2] = pixels[i];
}

// CMYK (or YCCK, which the library turns into CMYK) to RGB in place, pixel i from 4i to 3i.
// The inks are stored inverted, as print-oriented programs write them (with or without the
// Adobe marker that says so), so a stored value is the paper left uncovered.
void cmykToRgb(uint8_t* pixels, size_t pixelCount) {
    for (size_t i = 0; i < pixelCount; ++i) {
        const uint8_t* in = pixels + 4 * i;
        const unsigned uncovered = in[3];
        for (int c = 0; c < 3; ++c)
            pixels[3 * i + size_t(c)] = uint8_t((in[c] * uncovered + 127) / 255);
    }
}

// No objects with destructors live here: the library's errors come back by longjmp.
DecodedImage* decode(const uint8_t* data, size_t size, ErrorManager& errors) {
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    DecodedImage* volatile image = nullptr;
    JSAMPROW* volatile rows = nullptr;

    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveDecoder;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(rows);
        delete image;
        return nullptr;
    }
    jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    // Checked before starting: a progressive picture gets its whole-image buffers then.
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > MAX_SIDE ||
        info.image_height > MAX_SIDE ||
        size_t(info.image_width) * info.image_height > MAX_PICTURE_PIXELS) {
        std::snprintf(errors.message, sizeof errors.message, "picture too large");
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    jpeg_start_decompress(&info);

    const JDIMENSION width = info.output_width;
    const JDIMENSION height = info.output_height;
    const int components = info.output_components;
    if (components != 1 && components != 3 && components != 4) {
        std::snprintf(errors.message, sizeof errors.message, "unsupported colour components");
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    // Four components only come from CMYK pictures; they are decoded as such, then made RGB.
    const bool cmyk = info.out_color_space == JCS_CMYK;
    if (components == 4 && !cmyk) {
        std::snprintf(errors.message, sizeof errors.message, "unsupported colour space");
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    image = new DecodedImage;
    rows = static_cast<JSAMPROW*>(std::malloc(sizeof(JSAMPROW) * height));
    // Room for RGB, or for the four components a CMYK picture decodes to.
    if (!rows || !image->allocate(cmyk ? 4 : 3, int32_t(width), int32_t(height))) {
        std::snprintf(errors.message, sizeof errors.message, "out of memory");
        jpeg_destroy_decompress(&info);
        std::free(rows);
        delete image;
        return nullptr;
    }
    // Grey and CMYK rows are decoded packed and made RGB afterwards.
    const size_t rowBytes = size_t(width) * size_t(components);
    for (JDIMENSION i = 0; i < height; ++i)
        rows[i] = image->pixels + i * rowBytes;
    while (info.output_scanline < height)
        jpeg_read_scanlines(&info, rows + info.output_scanline, height - info.output_scanline);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::free(rows);
    if (components == 1) widenGrey(image->pixels, size_t(width) * height);
    if (cmyk) cmykToRgb(image->pixels, size_t(width) * height);
    image->components = 3;
    return image;
}

} // namespace

ImagePtr decodeJpeg(const uint8_t* data, size_t size, char* errorText, size_t errorSize) {
    if (errorText && errorSize) errorText[0] = '\0';
    if (!data) return nullptr;
    ErrorManager errors;
    errors.message[0] = '\0';
    DecodedImage* image = decode(data, size, errors);
    if (!image && errorText && errorSize) std::snprintf(errorText, errorSize, "%s", errors.message);
    return ImagePtr(image);
}

ImagePtr readJpeg(const char* fileName, char* errorText, size_t errorSize) {
    if (errorText && errorSize) errorText[0] = '\0';
    FileBytes file;
    if (!file.read(fileName)) return nullptr;
    return decodeJpeg(file.data, file.size, errorText, errorSize);
}
