// The player markers of the tactics page: their size (the stored place is not drawn at).
#pragma once

#include "gui/textured_quad.h"

class FormationView {
public:
    FormationView() = default;
    virtual ~FormationView() = default;

    void init(float x_, float y_, float markerWidth_, float markerHeight_) {
        x = x_;
        y = y_;
        markerWidth = markerWidth_;
        markerHeight = markerHeight_;
    }

    TexturedQuad quad;
    float x = 0;
    float y = 0;
    float markerWidth = 0;
    float markerHeight = 0;
};
