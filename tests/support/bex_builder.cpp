#include "support/bex_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "dissector/dissect.h"
#include "wire/hex.h"

namespace qarnolog::test {

ByteString Hex(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c != ' ') digits += c;
  }
  const ByteString bytes = HexToBytes(digits);
  EXPECT_FALSE(bytes.empty() && !digits.empty()) << "bad hex literal: " << text;
  return bytes;
}

ByteString Be(std::uint64_t number, int width) {
  ByteString bytes;
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
    bytes.push_back(shift < 64 ? static_cast<std::uint8_t>(number >> shift) : 0);
  }
  return bytes;
}

ByteString Ascii(std::string_view text) {
  return ByteString(text.begin(), text.end());
}

ByteString WtldBytes(std::uint32_t type, const ByteString& value) {
  return Cat(Be(type, 4), Be(value.size(), 4), value);
}

ByteString StldBytes(std::uint16_t type, const ByteString& value) {
  return Cat(Be(type, 2), Be(value.size(), 2), value);
}

ByteString BexPacket(std::uint16_t type, std::uint16_t sub, const ByteString& data) {
  const ByteString id = {0x23};
  return Cat(id, Be(1, 4), Be(type, 2), Be(sub, 2), Be(0, 4), Be(data.size(), 4), data);
}

FieldTree Dissect(const ByteString& packet, std::uint16_t extType) {
  FieldTree tree;
  DissectBex(tree, packet, extType);
  return tree;
}

NodeId DataNode(const FieldTree& tree) {
  if (tree.childCount(kNoNode) == 0) return kNoNode;
  const NodeId root = tree.child(kNoNode, 0);
  const NodeId last = tree.child(root, tree.childCount(root) - 1);
  return tree.data(last).Name == "Data" ? last : kNoNode;
}

}  // namespace qarnolog::test
