#include "tools/datagen/font_picture.h"

#include <cstdio>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "text/cp1254.h"
#include "tools/datagen/picture_file.h"

namespace fontpicture {

namespace {

constexpr int PIXEL_SIZE = 24;
constexpr int BASELINE = 7;                       // rows below the baseline, for descenders
constexpr int MAX_GLYPH_WIDTH = USABLE_WIDTH - 2; // a blank column either side

bool hasGlyph(char32_t cp) {
    return cp > 0x20 && !(cp >= 0x7F && cp <= 0xA0);
}

// Loads and renders one glyph, squeezed sideways as far as it is too wide for its cell.
bool renderGlyph(FT_Face face, FT_UInt index) {
    FT_Fixed squeeze = 0x10000L;
    for (int attempt = 0; attempt < 8; ++attempt) {
        FT_Matrix matrix = {squeeze, 0, 0, 0x10000L};
        FT_Set_Transform(face, &matrix, nullptr);
        if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) ||
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL))
            return false;
        const unsigned width = face->glyph->bitmap.width;
        if (width <= unsigned(MAX_GLYPH_WIDTH)) return true;
        // Antialiased edges add a column or two: aim a little below the limit.
        squeeze = FT_Fixed(squeeze * (MAX_GLYPH_WIDTH - 0.5 - attempt * 0.25) / width);
    }
    return false;
}

void drawGlyph(const FT_Bitmap& bitmap, int top, int cellX, int cellY, uint8_t* picture) {
    const int x0 = cellX + (USABLE_WIDTH - int(bitmap.width)) / 2;
    const int y0 = cellY + CELL - BASELINE - top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const int y = y0 + int(row);
        if (y < cellY || y >= cellY + CELL) continue; // never into a neighbour
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const uint8_t value = bitmap.buffer[int(row) * bitmap.pitch + int(col)];
            uint8_t* out = picture + (size_t(y) * SIDE + size_t(x0) + col) * 3;
            out[0] = out[1] = out[2] = value;
        }
    }
}

} // namespace

bool write(const char* fontPath, const char* outputPath) {
    FT_Library library;
    if (FT_Init_FreeType(&library)) {
        std::fprintf(stderr, "menajer-datagen: FreeType does not start\n");
        return false;
    }
    FT_Face face;
    if (FT_New_Face(library, fontPath, 0, &face)) {
        std::fprintf(stderr, "menajer-datagen: cannot read the font %s\n", fontPath);
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, PIXEL_SIZE);

    std::vector<uint8_t> picture(size_t(SIDE) * SIDE * 3, 0);
    bool ok = true;
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t cp = cp1254::toUnicode(uint8_t(byte));
        if (!hasGlyph(cp)) continue;
        const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(cp));
        if (!index || !renderGlyph(face, index)) {
            std::fprintf(stderr, "menajer-datagen: no glyph for byte 0x%02X (U+%04X)\n", byte,
                         unsigned(cp));
            ok = false;
            continue;
        }
        drawGlyph(face->glyph->bitmap, face->glyph->bitmap_top, byte % 16 * CELL, byte / 16 * CELL,
                  picture.data());
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    if (!ok) return false;
    if (!writeBitmap24(outputPath, SIDE, SIDE, picture.data())) {
        std::fprintf(stderr, "menajer-datagen: cannot write %s\n", outputPath);
        return false;
    }
    return true;
}

} // namespace fontpicture
