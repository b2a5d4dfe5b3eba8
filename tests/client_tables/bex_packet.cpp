#include "bex_packet.h"

#include <gtest/gtest.h>

#include "dissector/tree_format.h"

namespace qarnolog::test {

std::string DissectText(const ByteString& packet) {
  return FormatTreeText(Dissect(packet));
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

void ExpectSelectsTable(const SelectingCase& c) {
  constexpr std::uint32_t kCode = 1;
  const std::string constant(CodeName(c.table, kCode));
  ASSERT_NE(constant, kUnknownName) << c.name;
  const ByteString packet = BexPacket(c.type, c.sub, WtldBytes(c.wtld, Be(kCode, c.width)));
  EXPECT_EQ(WtldShown(packet), std::string(c.name) + "=" + constant) << c.name;
}

void ExpectEmptyData(const TypeAndSub& bex) {
  const FieldTree tree = Dissect(BexPacket(bex.type, bex.sub, WtldBytes(0x0001, Ascii("guest"))));
  const NodeId data = DataNode(tree);
  ASSERT_NE(data, kNoNode) << "BEX " << bex.type << "/" << bex.sub;
  EXPECT_EQ(tree.childCount(data), 0u) << "BEX " << bex.type << "/" << bex.sub;
}

}  // namespace qarnolog::test
