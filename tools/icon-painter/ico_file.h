// Writes one image as a single-entry ICO file: a 32-bit BGRA bitmap with alpha and the
// 1-bit AND mask that older readers want.
#pragma once

#include <QByteArray>
#include <QImage>

namespace qarnolog::icons {

// The ICO bytes of `image` (any format; converted to non-premultiplied ARGB32). Fully
// transparent pixels are also set in the AND mask. Images wider or taller than 256 pixels
// give an empty array.
[[nodiscard]] QByteArray icoBytes(const QImage& image);

}  // namespace qarnolog::icons
