#include "bex_packet.h"

#include <gtest/gtest.h>

#include "dissector/dissect.h"
#include "dissector/tree_format.h"

namespace qarnolog::test {

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

FieldTree Dissect(const ByteString& packet) {
  FieldTree tree;
  DissectBex(tree, packet, 0);
  return tree;
}

std::string DissectText(const ByteString& packet) {
  return FormatTreeText(Dissect(packet));
}

NodeId DataNode(const FieldTree& tree) {
  if (tree.childCount(kNoNode) == 0) return kNoNode;
  const NodeId root = tree.child(kNoNode, 0);
  const NodeId last = tree.child(root, tree.childCount(root) - 1);
  return tree.data(last).Name == "Data" ? last : kNoNode;
}

std::string WtldShown(const ByteString& packet, std::size_t index) {
  const FieldTree tree = Dissect(packet);
  const NodeId data = DataNode(tree);
  if (data == kNoNode || index >= tree.childCount(data)) return "(no such wTLD)";
  const NodeId wtld = tree.child(data, index);
  if (tree.childCount(wtld) < 2) return tree.data(wtld).Name;
  const TVstData& value = tree.data(tree.child(wtld, 1));
  return value.Value.empty() ? value.Name : value.Name + "=" + value.Value;
}

void ExpectShown(const ShownCase& c) {
  EXPECT_EQ(WtldShown(BexPacket(c.type, c.sub, WtldBytes(c.wtld, c.value))), c.shown)
      << "BEX " << c.type << "/" << c.sub << ", wTLD " << c.wtld;
}

void ExpectEmptyData(const TypeAndSub& bex) {
  const FieldTree tree = Dissect(BexPacket(bex.type, bex.sub, WtldBytes(0x0001, Ascii("guest"))));
  const NodeId data = DataNode(tree);
  ASSERT_NE(data, kNoNode) << "BEX " << bex.type << "/" << bex.sub;
  EXPECT_EQ(tree.childCount(data), 0u) << "BEX " << bex.type << "/" << bex.sub;
}

}  // namespace qarnolog::test
