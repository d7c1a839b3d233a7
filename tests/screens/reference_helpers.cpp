#include "tests/screens/reference_helpers.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

bool writePng(const std::string& path, const Picture& picture) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!file || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 9);
    png_set_compression_mem_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        png_write_row(png, &picture.rgb[size_t(y) * size_t(picture.width) * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

bool readPng(const std::string& path, Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    picture = {int(image.width), int(image.height), std::vector<uint8_t>(PNG_IMAGE_SIZE(image))};
    return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

std::string checkScreen(const std::string& name, const Picture& frame) {
    if (const char* update = std::getenv("SCREENS_UPDATE"); update && *update) {
        std::filesystem::create_directories(update);
        const std::string path = std::string(update) + "/" + name + ".png";
        return writePng(path, frame) ? "" : "cannot write " + path;
    }
    const std::string referencePath = SCREENS_REFERENCE_DIR "/" + name + ".png";
    Picture reference;
    if (!readPng(referencePath, reference))
        return "no reference " + referencePath + " (scripts/golden renders it)";
    if (frame.width != reference.width || frame.height != reference.height)
        return "the frame is " + std::to_string(frame.width) + " x " +
               std::to_string(frame.height) + ", the reference " + std::to_string(reference.width) +
               " x " + std::to_string(reference.height);

    // The reference darkened, with the differing pixels in red.
    Picture difference = reference;
    int differing = 0, largest = 0;
    size_t first = 0;
    for (size_t i = 0; i < frame.rgb.size(); i += 3) {
        int most = 0;
        for (size_t k = 0; k < 3; ++k)
            most = std::max(most, std::abs(frame.rgb[i + k] - reference.rgb[i + k]));
        largest = std::max(largest, most);
        uint8_t* d = &difference.rgb[i];
        if (most > CHANNEL_TOLERANCE) {
            if (differing++ == 0) first = i / 3;
            d[0] = 255, d[1] = d[2] = 0;
        } else {
            d[0] = d[1] = d[2] = uint8_t((d[0] + d[1] + d[2]) / 12);
        }
    }
    if (differing <= PIXEL_BUDGET) return "";

    const std::string out = SCREENS_OUTPUT_DIR "/" + name;
    std::filesystem::create_directories(SCREENS_OUTPUT_DIR);
    writePng(out + "-frame.png", frame);
    writePng(out + "-reference.png", reference);
    writePng(out + "-difference.png", difference);
    return std::to_string(differing) + " pixels differ by more than " +
           std::to_string(CHANNEL_TOLERANCE) + " (" + std::to_string(PIXEL_BUDGET) +
           " may), the first at x " + std::to_string(first % size_t(frame.width)) + ", y " +
           std::to_string(first / size_t(frame.width)) + " from the top, the most by " +
           std::to_string(largest) + "; see " + out + "-frame.png, " + out + "-reference.png and " +
           out + "-difference.png (red: differs)";
}
