// AddWtldNodes: the one operation through which every decoder adds a wTLD to the field tree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dissector/field_tree.h"
#include "dissector/value_kind.h"
#include "wire/bytes.h"

namespace qarnolog {

// Adds under `parent` the node "wTLD (0xTTTTTTTT)" (the type field's 4 bytes), its "Length"
// child (mark 1) and, when `value` is not empty, a value child named `displayName` (or
// "Value") spanning the declared `length`. With an empty value the display name joins the
// wTLD node's name after " - ". `position` is the wTLD's first byte. Returns the position after
// the wTLD: position + 8 + length with a value, position + 8 without. `kind` is the raw wire
// number of a value kind (unknown numbers render as an empty text).
std::int32_t AddWtldNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                          std::string_view displayName, ByteView value, std::uint8_t kind,
                          NodeId parent, std::int32_t position);

inline std::int32_t AddWtldNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                                 std::string_view displayName, ByteView value, ValueKind kind,
                                 NodeId parent, std::int32_t position) {
  return AddWtldNodes(tree, type, length, displayName, value, static_cast<std::uint8_t>(kind),
                      parent, position);
}

// The value text of a wTLD: through the name table its display name selects, else by kind.
std::string WtldValueText(std::string_view displayName, ByteView value, std::uint8_t kind);

// The date-time text of a 64-bit Unix time in the user's short date and long time formats
// (strftime %x and %X of the C library's LC_TIME); the time is left out at exact midnight.
std::string UnixTimeText(std::int64_t seconds);

}  // namespace qarnolog
