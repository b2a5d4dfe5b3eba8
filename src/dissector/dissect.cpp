// The dissector driver: header nodes, the "Data" node, the wTLD loop and the final expansion.
#include "dissector/dissect.h"

#include "dissector/families.h"
#include "dissector/nested.h"
#include "dissector/node_build.h"
#include "dissector/wtld_nodes.h"
#include "vocabulary/bex_names.h"
#include "wire/header.h"
#include "wire/hex.h"
#include "wire/readers.h"

namespace qarnolog {

namespace {

constexpr std::int32_t kDataStart = 18;  // position of the first data byte
constexpr std::uint16_t kClType = 0x0002;
constexpr std::uint16_t kClSrvReply = 0x0004;

std::string HexValue(std::uint64_t value, int digits) {
  return "0x" + HexDigits(value, digits);
}

}  // namespace

void RunWtldLoop(FieldTree& tree, ByteView data, const BexTable& table, NodeId dataNode) {
  std::int32_t position = kDataStart;
  // Every pass removes the 8 header bytes (or all that remain), so the loop ends.
  while (!data.empty()) {
    const std::uint32_t type = ReadDWord(data, 4);
    const std::uint32_t length = ReadDWord(data, 4);
    // A length of 0x80000000 or more takes and removes nothing: the value is empty.
    const ByteView value = ReadBytes(data, AsCount(length), AsCount(length));
    const WtldRow& row = FindWtldRow(table, type);
    switch (row.nested) {
      case Nested::None:
        position = AddWtldNodes(tree, type, length, row.name, value, row.kind, dataNode, position);
        break;
      case Nested::ContactList:
        position = AddContactListNodes(tree, type, length, value, dataNode, position);
        break;
      case Nested::TransportsData:
        position = AddTransportsDataNodes(tree, type, length, value, dataNode, position);
        break;
      case Nested::StldList: {
        const std::int32_t next = AddWtldNodes(tree, type, length, "sTLDs", value,
                                               ValueKind::NoValue, dataNode, position);
        // With a value, the node just appended is the value node; its caption is not used.
        if (!value.empty()) {
          const auto valueNode = static_cast<NodeId>(tree.size() - 1);
          AddStldList(tree, value, valueNode, PosAdd(position, 8), true);
        }
        position = next;
        break;
      }
    }
  }
}

void DissectBex(FieldTree& tree, ByteView packet, std::uint16_t extType) {
  TQarnoHeader header;
  if (!ParseBexHeader(packet, header)) return;
  const std::int32_t last = PosAdd(17, header.DataLength);

  const NodeId root =
      tree.append(kNoNode, {std::string(BexName(header.BexType, header.BexSub)), {}, 1, last});
  tree.append(root, {"QARNO_ID", {}, 1, 1});
  tree.append(root, {"Seq", DecimalText(header.Seq), 2, 5});
  tree.append(root, {"Bex Type", HexValue(header.BexType, 4), 6, 7});
  tree.append(root, {"Bex Sub", HexValue(header.BexSub, 4), 8, 9});
  tree.append(root, {"Request ID", HexValue(header.RequestId, 8), 10, 13});
  tree.append(root, {"Data Length", DecimalText(header.DataLength), 14, 17});
  tree.setExpanded(root, true);
  if (header.DataLength == 0) return;

  const NodeId data = tree.append(root, {"Data", {}, kDataStart, last});
  if (const BexTable* table = FindBexTable(header.BexType, header.BexSub, extType)) {
    RunWtldLoop(tree, header.Data, *table, data);
  }

  // A contact list can hold thousands of items: after it only "Data" is opened and the items
  // stay as the contact-list decoder left them.
  if (header.BexType == kClType && header.BexSub == kClSrvReply) {
    if (tree.childCount(data) != 0) tree.setExpanded(data, true);
  } else {
    tree.expandAll();
  }
}

}  // namespace qarnolog
