// Byte strings of the wire format: an owning value type and a non-owning view.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qarnolog {

// A counted sequence of bytes that may hold zeros, copied by value.
using ByteString = std::vector<std::uint8_t>;

// A view of bytes owned elsewhere. The consuming readers shorten a view from the front,
// which costs O(1) whatever the size of the bytes behind it.
using ByteView = std::span<const std::uint8_t>;

}  // namespace qarnolog
