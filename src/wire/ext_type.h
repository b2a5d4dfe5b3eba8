// The extension type announced in an extension registration.
#pragma once

#include <cstdint>

#include "wire/bytes.h"

namespace qarnolog {

// Walks the wTLDs of BEX data and returns the first two value bytes (big-endian) of the first
// wTLD of type 1, whatever its length says; 0 when there is none. A wTLD header cut off by the
// end of the data does not match.
std::uint16_t FindExtType(ByteView data);

}  // namespace qarnolog
