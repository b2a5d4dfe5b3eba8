// ICO layout: ICONDIR (6 bytes), one ICONDIRENTRY (16 bytes), then the image as a
// BITMAPINFOHEADER (40 bytes, height doubled for the mask), the BGRA rows bottom-up and the
// AND mask rows (1 bit per pixel, padded to 32 bits), all little-endian.
#include "ico_file.h"

#include <cstdint>

namespace qarnolog::icons {
namespace {

void putU8(QByteArray& out, std::uint8_t v) {
  out.append(static_cast<char>(v));
}

void putU16(QByteArray& out, std::uint16_t v) {
  putU8(out, static_cast<std::uint8_t>(v & 0xFF));
  putU8(out, static_cast<std::uint8_t>(v >> 8));
}

void putU32(QByteArray& out, std::uint32_t v) {
  putU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  putU16(out, static_cast<std::uint16_t>(v >> 16));
}

constexpr std::uint32_t kDirSize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

}  // namespace

QByteArray icoBytes(const QImage& source) {
  if (source.isNull() || source.width() > 256 || source.height() > 256) return {};
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const auto w = static_cast<std::uint32_t>(image.width());
  const auto h = static_cast<std::uint32_t>(image.height());
  const std::uint32_t colorBytes = w * h * 4;
  const std::uint32_t maskStride = (w + 31) / 32 * 4;
  const std::uint32_t maskBytes = maskStride * h;
  const std::uint32_t imageBytes = kInfoHeaderSize + colorBytes + maskBytes;

  QByteArray out;
  out.reserve(static_cast<qsizetype>(kDirSize + kEntrySize + imageBytes));
  // ICONDIR: reserved, type 1 = icon, one image.
  putU16(out, 0);
  putU16(out, 1);
  putU16(out, 1);
  // ICONDIRENTRY: 256 is stored as 0.
  putU8(out, static_cast<std::uint8_t>(w & 0xFF));
  putU8(out, static_cast<std::uint8_t>(h & 0xFF));
  putU8(out, 0);   // palette size: none
  putU8(out, 0);   // reserved
  putU16(out, 1);  // colour planes
  putU16(out, 32);
  putU32(out, imageBytes);
  putU32(out, kDirSize + kEntrySize);
  // BITMAPINFOHEADER
  putU32(out, kInfoHeaderSize);
  putU32(out, w);
  putU32(out, h * 2);
  putU16(out, 1);
  putU16(out, 32);
  putU32(out, 0);  // BI_RGB
  putU32(out, colorBytes + maskBytes);
  putU32(out, 0);
  putU32(out, 0);
  putU32(out, 0);
  putU32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      putU8(out, static_cast<std::uint8_t>(qBlue(p)));
      putU8(out, static_cast<std::uint8_t>(qGreen(p)));
      putU8(out, static_cast<std::uint8_t>(qRed(p)));
      putU8(out, static_cast<std::uint8_t>(qAlpha(p)));
    }
  }
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(static_cast<qsizetype>(maskStride), '\0');
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out.append(row);
  }
  return out;
}

}  // namespace qarnolog::icons
