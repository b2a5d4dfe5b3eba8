// Consuming big-endian readers over a byte view.
#include "wire/readers.h"

#include <algorithm>  // std::min

namespace qarnolog {

void RemoveBytes(ByteView& buffer, std::int32_t count) {
  if (count <= 0) return;
  const auto n = std::min(buffer.size(), static_cast<std::size_t>(count));
  buffer = buffer.subspan(n);
}

namespace {

// Reads `width` bytes big-endian from the front; bytes past the end read as 0.
std::uint64_t ReadBigEndian(ByteView& buffer, std::size_t width, std::int32_t remove) {
  if (buffer.empty()) return 0;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value = (value << 8) | (i < buffer.size() ? buffer[i] : 0u);
  }
  RemoveBytes(buffer, remove);
  return value;
}

}  // namespace

std::uint8_t ReadByte(ByteView& buffer, std::int32_t remove) {
  return static_cast<std::uint8_t>(ReadBigEndian(buffer, 1, remove));
}

bool ReadBool(ByteView& buffer, std::int32_t remove) { return ReadByte(buffer, remove) != 0; }

std::uint16_t ReadWord(ByteView& buffer, std::int32_t remove) {
  return static_cast<std::uint16_t>(ReadBigEndian(buffer, 2, remove));
}

std::uint32_t ReadDWord(ByteView& buffer, std::int32_t remove) {
  return static_cast<std::uint32_t>(ReadBigEndian(buffer, 4, remove));
}

std::uint64_t ReadQWord(ByteView& buffer, std::int32_t remove) {
  return ReadBigEndian(buffer, 8, remove);
}

ByteView ReadBytes(ByteView& buffer, std::int32_t take, std::int32_t remove) {
  if (buffer.empty()) return {};
  ByteView result;
  if (take > 0) result = buffer.first(std::min(buffer.size(), static_cast<std::size_t>(take)));
  RemoveBytes(buffer, remove);
  return result;
}

}  // namespace qarnolog
