// The dissector's entry: one BEX into the decoded-field tree.
#pragma once

#include <cstdint>

#include "dissector/bex_table.h"
#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog {

// Adds the nodes of one whole packet to `tree` (which the caller empties): the root named by
// BexName, the six header fields, the "Data" node and the wTLDs of the BEX's table, then
// expands the tree. A packet that does not parse as a BEX adds nothing. `extType` is the
// window's extension type.
void DissectBex(FieldTree& tree, ByteView packet, std::uint16_t extType);

// The wTLD loop: walks `data` (first byte at position 18) with `table`, adding every wTLD under
// `dataNode`. Exposed for tests of single tables.
void RunWtldLoop(FieldTree& tree, ByteView data, const BexTable& table, NodeId dataNode);

}  // namespace qarnolog
