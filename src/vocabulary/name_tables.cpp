// Placeholder until the code tables are transcribed.
#include "vocabulary/name_tables.h"

namespace qarnolog {
std::string_view CodeName(NameTable, std::uint32_t) { return kUnknownName; }
}  // namespace qarnolog
