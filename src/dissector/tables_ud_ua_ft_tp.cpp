// BEX tables of this family group (not yet transcribed: nothing is decoded).
#include "dissector/families.h"

namespace qarnolog {

const BexTable* UdTable(std::uint16_t, std::uint16_t) { return nullptr; }
const BexTable* UaTable(std::uint16_t, std::uint16_t) { return nullptr; }
const BexTable* FtTable(std::uint16_t, std::uint16_t) { return nullptr; }
const BexTable* TpTable(std::uint16_t, std::uint16_t) { return nullptr; }

}  // namespace qarnolog
