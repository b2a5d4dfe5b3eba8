// Building blocks shared by the dissector's node builders: position arithmetic and the wTLD
// node with its "Length" child. Internal to the dissector.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog {

// Positions are signed 32-bit sums of a start and declared lengths. A declared length near
// 4 GiB leaves that range; the sum then wraps around modulo 2^32 as plain 32-bit arithmetic
// would, which keeps every node's span the signed sum of its declared numbers. The sum is
// taken in unsigned arithmetic, so no signed overflow happens.
[[nodiscard]] constexpr std::int32_t PosAdd(std::int32_t position, std::uint32_t delta) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(position) + delta);
}

// "wTLD (0xTTTTTTTT)".
std::string WtldNodeName(std::uint32_t type);

// Appends the wTLD node (the type field, P to P + 3) and its "Length" child (P + 4 to P + 7,
// mark 1) under `parent`; returns the wTLD node.
NodeId AddWtldHead(FieldTree& tree, std::uint32_t type, std::uint32_t length, NodeId parent,
                   std::int32_t position);

// Value texts shared by the kinds and the nested decoders.
std::string DecimalText(std::uint64_t number);
std::string BoolText(bool value);
// The bytes decoded as UTF-8 (malformed sequences as U+FFFD), as DecodeUtf8.
std::string Utf8Text(ByteView bytes);

// The value text of `kind` for `value` (unknown kinds: empty).
std::string KindText(ByteView value, std::uint8_t kind);

// The text of the selection-list entry that `displayName` picks, if any. Returns false when no
// entry matches. When one matches, `value` is consumed as the entry's read leaves it and `text`
// is the table's text (possibly empty: the caller then falls back to the kind).
bool SelectedText(std::string_view displayName, ByteView& value, std::string& text);

// The lowered names of the selection list in the order tested ("adm change:" matches as a
// prefix, every other name exactly).
std::span<const std::string_view> SelectionListNames();

}  // namespace qarnolog
