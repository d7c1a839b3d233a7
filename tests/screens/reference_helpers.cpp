#include "tests/screens/reference_helpers.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

bool writePng(const std::string& path, const Picture& picture) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
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
    picture.width = int(image.width);
    picture.height = int(image.height);
    picture.rgb.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    return true;
}

Comparison compare(const Picture& frame, const Picture& reference) {
    Comparison c;
    c.sizeMatches = frame.width == reference.width && frame.height == reference.height &&
                    frame.rgb.size() == reference.rgb.size();
    if (!c.sizeMatches) return c;
    c.difference = reference;
    for (size_t i = 0; i < frame.rgb.size(); i += 3) {
        int most = 0;
        for (size_t k = 0; k < 3; ++k)
            most = std::max(most, std::abs(int(frame.rgb[i + k]) - int(reference.rgb[i + k])));
        c.largest = std::max(c.largest, most);
        uint8_t* d = &c.difference.rgb[i];
        if (most > kChannelTolerance) {
            if (c.differing++ == 0) {
                c.firstX = int(i / 3) % frame.width;
                c.firstY = int(i / 3) / frame.width;
            }
            d[0] = 255, d[1] = 0, d[2] = 0;
        } else {
            const uint8_t grey = uint8_t((d[0] + d[1] + d[2]) / 12);
            d[0] = d[1] = d[2] = grey;
        }
    }
    return c;
}

std::string checkScreen(const std::string& name, const Picture& frame) {
    namespace fs = std::filesystem;
    if (const char* update = std::getenv("SCREENS_UPDATE"); update && *update) {
        fs::create_directories(update);
        const std::string path = std::string(update) + "/" + name + ".png";
        return writePng(path, frame) ? "" : "cannot write " + path;
    }
    const std::string referencePath = std::string(SCREENS_REFERENCE_DIR "/") + name + ".png";
    Picture reference;
    const bool haveReference = readPng(referencePath, reference);
    Comparison c;
    if (haveReference) {
        c = compare(frame, reference);
        if (c.sizeMatches && c.differing <= kPixelBudget) return "";
    }

    const std::string out = SCREENS_OUTPUT_DIR "/" + name;
    std::error_code ignored;
    fs::create_directories(SCREENS_OUTPUT_DIR, ignored);
    std::string message;
    if (!haveReference)
        message = "no reference " + referencePath + " (render it with scripts/golden)";
    else if (!c.sizeMatches)
        message = "the frame is " + std::to_string(frame.width) + " x " +
                  std::to_string(frame.height) + ", the reference " +
                  std::to_string(reference.width) + " x " + std::to_string(reference.height);
    else
        message = std::to_string(c.differing) + " pixels differ by more than " +
                  std::to_string(kChannelTolerance) + " (at most " +
                  std::to_string(kPixelBudget) + " may; the first at " +
                  std::to_string(c.firstX) + ", " + std::to_string(c.firstY) +
                  " from the top left, the largest difference " + std::to_string(c.largest) +
                  ")";
    message += "\n  frame:      " + out + "-frame.png";
    writePng(out + "-frame.png", frame);
    if (haveReference) {
        fs::copy_file(referencePath, out + "-reference.png",
                      fs::copy_options::overwrite_existing, ignored);
        message += "\n  reference:  " + out + "-reference.png";
    }
    if (c.sizeMatches) {
        writePng(out + "-difference.png", c.difference);
        message += "\n  difference: " + out + "-difference.png (red: beyond the tolerance)";
    }
    return message;
}
