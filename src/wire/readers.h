// Consuming big-endian readers. Each takes its value from the front of a view and then
// removes a given count of bytes from it.
//
// Shared contract: an empty buffer reads as 0 (false, or an empty view) and is left as it is.
// A value wider than the bytes left reads the missing bytes as 0. The remove count drops that
// many bytes from the front, or all that remain when fewer are left; a count below 0 (a 32-bit
// length of 0x80000000 or more taken as signed) removes nothing. A count of 0 peeks.
#pragma once

#include <cstdint>

#include "wire/bytes.h"

namespace qarnolog {

std::uint8_t ReadByte(ByteView& buffer, std::int32_t remove);
bool ReadBool(ByteView& buffer, std::int32_t remove);
std::uint16_t ReadWord(ByteView& buffer, std::int32_t remove);
std::uint32_t ReadDWord(ByteView& buffer, std::int32_t remove);
std::uint64_t ReadQWord(ByteView& buffer, std::int32_t remove);

// The first `take` bytes (all that remain when fewer; nothing when `take` is below 0), as a
// view into the same bytes, then `remove` bytes are dropped as above.
ByteView ReadBytes(ByteView& buffer, std::int32_t take, std::int32_t remove);

// Drops `count` bytes from the front (all when fewer remain; none when `count` is below 0).
void RemoveBytes(ByteView& buffer, std::int32_t count);

// A 32-bit wire length as the signed count the readers take: 0x80000000 and more are negative.
[[nodiscard]] constexpr std::int32_t AsCount(std::uint32_t length) {
  return static_cast<std::int32_t>(length);
}

}  // namespace qarnolog
