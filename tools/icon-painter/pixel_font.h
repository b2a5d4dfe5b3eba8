// A tiny hand-drawn bitmap font for the letters on the icons: at 16 pixels an outline font
// blurs into a smudge, while 3 by 5 glyphs drawn pixel by pixel stay legible.
#pragma once

#include <QColor>
#include <QPainter>
#include <string_view>

namespace qarnolog::icons {

inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;
inline constexpr int kGlyphGap = 1;

// Width in pixels of `text` drawn at `scale` with one scaled gap between letters.
[[nodiscard]] int textWidth(std::string_view text, int scale = 1);

// Draws `text` with its top-left pixel at (x, y), each font pixel a `scale` by `scale` square,
// without antialiasing. A letter the font lacks is left blank (its width is still taken).
void drawPixelText(QPainter& painter, int x, int y, std::string_view text, const QColor& color,
                   int scale = 1);

}  // namespace qarnolog::icons
