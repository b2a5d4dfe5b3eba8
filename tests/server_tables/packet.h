// Building BEX packets and reading back their decoded fields, for the tests of the extension,
// plug-in and administration tables.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dissector/dissect.h"
#include "dissector/field_tree.h"
#include "dissector/tree_format.h"
#include "wire/bytes.h"
#include "wire/hex.h"

namespace qarnolog::test {

inline void PutBigEndian(ByteString& out, std::uint64_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

// The bytes of a text of hex digit pairs ("0001"); the text of a test must be valid hex.
inline ByteString Hex(std::string_view digits) {
  return HexToBytes(digits);
}

inline ByteString Text(std::string_view text) {
  return ByteString(text.begin(), text.end());
}

// One wTLD: type and length as big-endian 32-bit numbers, then the value. The length is the
// value's size.
inline ByteString Wtld(std::uint32_t type, const ByteString& value) {
  ByteString out;
  PutBigEndian(out, type, 4);
  PutBigEndian(out, value.size(), 4);
  out.insert(out.end(), value.begin(), value.end());
  return out;
}

// A whole BEX: identifier 0x5A, Seq 1, the type and sub-type, RequestId 0, DataLength, then
// the wTLDs one after another as the data.
inline ByteString Bex(std::uint16_t bexType, std::uint16_t bexSub,
                      std::initializer_list<ByteString> wtlds) {
  ByteString data;
  for (const ByteString& wtld : wtlds) data.insert(data.end(), wtld.begin(), wtld.end());
  ByteString out = {0x5A};
  PutBigEndian(out, 1, 4);
  PutBigEndian(out, bexType, 2);
  PutBigEndian(out, bexSub, 2);
  PutBigEndian(out, 0, 4);
  PutBigEndian(out, data.size(), 4);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

inline FieldTree Dissect(const ByteString& packet, std::uint16_t extType) {
  FieldTree tree;
  DissectBex(tree, packet, extType);
  return tree;
}

// The "Data" node: the root's seventh child (after the six header fields).
inline NodeId DataNode(const FieldTree& tree) {
  return tree.child(tree.child(kNoNode, 0), 6);
}

// The text rendering of the "Data" node and everything below it; the lines keep the
// indentation of the whole tree ("  Data [18-..]" first).
inline std::string DataText(const FieldTree& tree) {
  const std::string all = FormatTreeText(tree);
  const std::size_t at = all.find("\n  Data [");
  return at == std::string::npos ? std::string() : all.substr(at + 1);
}

// "Name=Value" (or "Name" for an empty value) of the value node of the data's first wTLD; the
// wTLD node's own name when it has no value node.
inline std::string FirstValueLine(const FieldTree& tree) {
  const NodeId data = DataNode(tree);
  if (tree.childCount(data) == 0) return "(no wTLD)";
  const NodeId wtld = tree.child(data, 0);
  const NodeId shown = tree.childCount(wtld) > 1 ? tree.child(wtld, 1) : wtld;
  const TVstData& node = tree.data(shown);
  return node.Value.empty() ? node.Name : node.Name + "=" + node.Value;
}

}  // namespace qarnolog::test
