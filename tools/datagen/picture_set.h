// Where the generated pictures go: the veri/ folder, and, when asked for, a preview folder of
// PNGs that shows each picture stretched over the rectangles the game draws it on, plus a
// mock-up of the game screen built from them.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

#include "tools/datagen/canvas.h"

struct Stretch {
    int width, height;
};

class PictureSet {
public:
    explicit PictureSet(std::filesystem::path veri, std::filesystem::path preview = {});

    // Writes the canvas as veri/<relative>; the extension (.bmp, .tga, .jpg) picks the format.
    // False (with a line on standard error) on failure.
    bool save(const Canvas& canvas, const std::string& relative,
              std::initializer_list<Stretch> stretches = {});
    // Writes the contact sheet and the screen mock-up into the preview folder, if any.
    bool finishPreview();

private:
    bool writePreview(const Canvas& canvas, const std::string& name);
    void drawOnScreen(Canvas& screen, const std::string& relative, float x, float y, float w,
                      float h, Color tint) const;

    std::filesystem::path veri;
    std::filesystem::path preview;
    std::map<std::string, Canvas> kept; // by relative name, only with a preview folder
};
