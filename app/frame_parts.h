// Pieces of start-up and of the frame that sit on the render and GUI subsystems.
#pragma once

// Start-up steps 2 and 3: the font picture twice, then the font's display lists.
void loadFont();

// The FPS and cursor lines, and the title and footer captions.
void drawDebugOverlay();

// Text centred in the top bar (glyph width a, height b), drawn in size mode 1.
void drawTitleCaption(const char* text, float glyphWidth, float glyphHeight);
// Text centred in the bottom bar (glyph width a, height b), drawn in size mode 0.
void drawFooterCaption(const char* text, float glyphWidth, float glyphHeight);
