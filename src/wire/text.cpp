// Text conversions: Windows-1251, UTF-8 and locale case mapping.
#include "wire/text.h"

#include <array>
#include <cwctype>  // std::towlower, std::towupper

namespace qarnolog {

namespace {

// Unicode characters of the bytes 0x80 to 0xFF of Windows-1251, eight per line.
constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

// Reads one UTF-8 sequence at `i`; returns U+FFFD and advances by one byte when malformed.
char32_t NextUtf8(ByteView bytes, std::size_t& i) {
  const std::uint8_t lead = bytes[i];
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07u, minimum = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (bytes.size() - i <= static_cast<std::size_t>(extra)) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const std::uint8_t b = bytes[i + static_cast<std::size_t>(k)];
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (b & 0x3Fu);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}

ByteView AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  const ByteView bytes = AsBytes(text);
  for (std::size_t i = 0; i < bytes.size();) {
    const char32_t c = NextUtf8(bytes, i);
    const auto mapped = static_cast<char32_t>(map(static_cast<std::wint_t>(c)));
    AppendUtf8(out, mapped);
  }
  return out;
}

}  // namespace

char32_t Cp1251ToUnicode(std::uint8_t byte) {
  return byte < 0x80 ? byte : kCp1251High[byte - 0x80u];
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Cp1251ToUtf8(ByteView bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const std::uint8_t b : bytes) AppendUtf8(out, Cp1251ToUnicode(b));
  return out;
}

ByteString Utf8ToCp1251(std::string_view text) {
  ByteString out;
  out.reserve(text.size());
  const ByteView bytes = AsBytes(text);
  for (std::size_t i = 0; i < bytes.size();) {
    const char32_t c = NextUtf8(bytes, i);
    std::uint8_t b = '?';
    if (c < 0x80) {
      b = static_cast<std::uint8_t>(c);
    } else {
      for (std::size_t k = 0; k < kCp1251High.size(); ++k) {
        if (kCp1251High[k] == c) {
          b = static_cast<std::uint8_t>(0x80 + k);
          break;
        }
      }
    }
    out.push_back(b);
  }
  return out;
}

std::string DecodeUtf8(ByteView bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) AppendUtf8(out, NextUtf8(bytes, i));
  return out;
}

std::string LowerCaseText(std::string_view text) {
  return MapCase(text, [](std::wint_t c) { return std::towlower(c); });
}

std::string UpperCaseText(std::string_view text) {
  return MapCase(text, [](std::wint_t c) { return std::towupper(c); });
}

}  // namespace qarnolog
