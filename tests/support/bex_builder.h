// Test helpers shared by the dissector's test suites: BEX packets built from their parts
// (header, wTLDs, sTLDs, all big-endian), packets from hex literals, and the dissected tree.
#pragma once

#include <cstdint>
#include <string_view>

#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog::test {

// The bytes of a hex literal that may hold spaces for readability. A literal that is not hex
// fails the test and gives no bytes.
ByteString Hex(std::string_view text);

// `width` bytes of `number`, big-endian; zeros in front beyond 8 bytes.
ByteString Be(std::uint64_t number, int width);

// The characters of `text` as bytes.
ByteString Ascii(std::string_view text);

// The byte strings one after another.
template <typename... More>
ByteString Cat(ByteString first, const More&... more) {
  (first.insert(first.end(), more.begin(), more.end()), ...);
  return first;
}

// One wTLD as it stands on the wire: type (4), length (4), value; the declared length is the
// value's size.
ByteString WtldBytes(std::uint32_t type, const ByteString& value);

// One sTLD: type (2), length (2), value.
ByteString StldBytes(std::uint16_t type, const ByteString& value);

// A whole packet: identifier byte 0x23, Seq 1, the BEX type and sub-type, RequestId 0, the
// data length, then `data`.
ByteString BexPacket(std::uint16_t type, std::uint16_t sub, const ByteString& data);

// The packet's tree after DissectBex with the window's extension type `extType`.
FieldTree Dissect(const ByteString& packet, std::uint16_t extType = 0);

// The "Data" node of a dissected tree (the root's last child), or kNoNode when there is none.
NodeId DataNode(const FieldTree& tree);

}  // namespace qarnolog::test
