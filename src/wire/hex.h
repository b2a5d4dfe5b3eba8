// Hexadecimal conversions of byte strings.
#pragma once

#include <string>
#include <string_view>

#include "wire/bytes.h"

namespace qarnolog {

// Two upper-case digits per byte, high nibble first, no separators ("00FF1A").
std::string BytesToHex(ByteView bytes);

// The bytes of a text of hex digit pairs (either letter case). Empty when the text is empty,
// has an odd length, or holds any character that is not a hex digit.
ByteString HexToBytes(std::string_view text);

// `value` as exactly `digits` upper-case hex digits (the low digits when it has more).
std::string HexDigits(std::uint64_t value, int digits);

}  // namespace qarnolog
