// Placeholder until the composite renderers are written.
#include "vocabulary/name_tables.h"

namespace qarnolog {
std::string ClientVersionText(ByteView) { return "0.0.0.0"; }
std::string ClientCapsText(ByteView) { return {}; }
std::string ClientFlagsText(std::uint32_t) { return {}; }
std::string RequiredOptionalClientFlagsText(std::uint32_t) { return {}; }
std::string StatusPictureFlagsText(std::uint32_t) { return {}; }
}  // namespace qarnolog
