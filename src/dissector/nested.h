// Decoders of structured wTLD values: sTLD lists, contact lists and transports data.
#pragma once

#include <cstdint>
#include <string>

#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog {

// Decodes the sTLD list of one contact-list item starting at `position`. With `direct` false
// the sTLD nodes go under a new "sTLDs" node under `given`; with `direct` true straight under
// `given`. Returns the caption (group name, account name, "Transport: …", "Note: …") and sets
// the caption sTLD's node mark on `given`.
std::string AddStldList(FieldTree& tree, ByteView list, NodeId given, std::int32_t position,
                        bool direct);

// Decodes the sTLD list of one transport under a new "sTLDs" node; returns the caption.
std::string AddTransportInfoList(FieldTree& tree, ByteView list, NodeId given,
                                 std::int32_t position);

// Add the whole wTLD of a contact list / transports data at `position`; return the position
// of the next wTLD (position + 8 + length, or position + 8 for an empty value). A count far
// beyond the bytes present stops once the value's bytes are used up.
std::int32_t AddContactListNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                                 ByteView value, NodeId parent, std::int32_t position);
std::int32_t AddTransportsDataNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                                    ByteView value, NodeId parent, std::int32_t position);

}  // namespace qarnolog
