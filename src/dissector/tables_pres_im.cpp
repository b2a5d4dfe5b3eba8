// BEX tables of this family group (not yet transcribed: nothing is decoded).
#include "dissector/families.h"

namespace qarnolog {

const BexTable* PresTable(std::uint16_t, std::uint16_t) { return nullptr; }
const BexTable* ImTable(std::uint16_t, std::uint16_t) { return nullptr; }

}  // namespace qarnolog
