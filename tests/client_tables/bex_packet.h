// Test helpers: build a BEX from wTLDs and look at what the dissector makes of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog::test {

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

// The packet's tree after DissectBex (extension type 0).
FieldTree Dissect(const ByteString& packet);
std::string DissectText(const ByteString& packet);

// The "Data" node of a dissected tree (the root's last child), or kNoNode when there is none.
NodeId DataNode(const FieldTree& tree);

// How the `index`-th wTLD under "Data" shows: "Name=Value" of its value node ("Name" alone for
// an empty value), or the wTLD node's own name when it has no value node.
std::string WtldShown(const ByteString& packet, std::size_t index = 0);

// One row of a "how does this wTLD show" case table.
struct ShownCase {
  std::uint16_t type;
  std::uint16_t sub;
  std::uint32_t wtld;
  ByteString value;
  std::string shown;  // as WtldShown gives it
};

// Dissects a BEX holding the case's wTLD alone and expects WtldShown to give `shown`.
void ExpectShown(const ShownCase& c);

struct TypeAndSub {
  std::uint16_t type;
  std::uint16_t sub;
};

// Expects a BEX of that type and sub-type carrying a wTLD to show a "Data" node without
// children.
void ExpectEmptyData(const TypeAndSub& bex);

}  // namespace qarnolog::test
