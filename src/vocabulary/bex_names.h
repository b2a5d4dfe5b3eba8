// Constant names of the BEX types and sub-types.
#pragma once

#include <cstdint>
#include <string_view>

namespace qarnolog {

// The protocol's constant name of a BEX, such as "QARNO_BEX_COM_CLI_HELLO"; "UNKNOWN" for a
// pair that no family names. A pure lookup that allocates nothing.
std::string_view BexName(std::uint16_t bexType, std::uint16_t bexSub);

}  // namespace qarnolog
