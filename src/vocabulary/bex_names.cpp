// Placeholder until the BEX name table is transcribed.
#include "vocabulary/bex_names.h"

namespace qarnolog {
std::string_view BexName(std::uint16_t, std::uint16_t) { return "UNKNOWN"; }
}  // namespace qarnolog
