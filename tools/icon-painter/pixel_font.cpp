// The glyph table of the icon letters and the routine that sets their pixels.
#include "pixel_font.h"

#include <array>

namespace qarnolog::icons {
namespace {

struct Glyph {
  char letter;
  std::array<std::string_view, kGlyphHeight> rows;  // '#' = pixel set
};

// clang-format off
constexpr std::array<Glyph, 7> kGlyphs{{
    {'K', {"#.#",
           "#.#",
           "##.",
           "#.#",
           "#.#"}},
    {'L', {"#..",
           "#..",
           "#..",
           "#..",
           "###"}},
    {'P', {"##.",
           "#.#",
           "##.",
           "#..",
           "#.."}},
    {'R', {"##.",
           "#.#",
           "##.",
           "#.#",
           "#.#"}},
    {'T', {"###",
           ".#.",
           ".#.",
           ".#.",
           ".#."}},
    {'U', {"#.#",
           "#.#",
           "#.#",
           "#.#",
           "###"}},
    {'V', {"#.#",
           "#.#",
           "#.#",
           ".#.",
           ".#."}},
}};
// clang-format on

constexpr bool rowsWellFormed() {
  for (const Glyph& g : kGlyphs) {
    for (std::string_view row : g.rows) {
      if (row.size() != kGlyphWidth) return false;
    }
  }
  return true;
}
static_assert(rowsWellFormed(), "every glyph row is exactly kGlyphWidth pixels");

const Glyph* findGlyph(char letter) {
  for (const Glyph& g : kGlyphs) {
    if (g.letter == letter) return &g;
  }
  return nullptr;
}

}  // namespace

int textWidth(std::string_view text, int scale) {
  if (text.empty()) return 0;
  const int n = static_cast<int>(text.size());
  return scale * (n * kGlyphWidth + (n - 1) * kGlyphGap);
}

void drawPixelText(QPainter& painter, int x, int y, std::string_view text, const QColor& color,
                   int scale) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  for (char letter : text) {
    if (const Glyph* g = findGlyph(letter)) {
      for (int row = 0; row < kGlyphHeight; ++row) {
        for (int col = 0; col < kGlyphWidth; ++col) {
          if (g->rows[row][col] == '#') {
            painter.drawRect(x + col * scale, y + row * scale, scale, scale);
          }
        }
      }
    }
    x += (kGlyphWidth + kGlyphGap) * scale;
  }
  painter.restore();
}

}  // namespace qarnolog::icons
