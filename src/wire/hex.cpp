// Hexadecimal conversions.
#include "wire/hex.h"

namespace qarnolog {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

int NibbleOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::string BytesToHex(ByteView bytes) {
  std::string text(bytes.size() * 2, '0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text[2 * i] = kDigits[bytes[i] >> 4];
    text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
  }
  return text;
}

ByteString HexToBytes(std::string_view text) {
  if (text.empty() || text.size() % 2 != 0) return {};
  ByteString bytes(text.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int high = NibbleOf(text[2 * i]);
    const int low = NibbleOf(text[2 * i + 1]);
    if (high < 0 || low < 0) return {};
    bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  return bytes;
}

std::string HexDigits(std::uint64_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) {
    text[static_cast<std::size_t>(i)] = kDigits[value & 0x0F];
  }
  return text;
}

}  // namespace qarnolog
