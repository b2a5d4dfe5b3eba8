// Contact lists and transports data: a wTLD whose value is a count followed by items, each
// with a fixed head and an sTLD list.
#include <utility>  // std::move

#include "dissector/nested.h"
#include "dissector/node_build.h"
#include "vocabulary/name_tables.h"
#include "wire/hex.h"
#include "wire/readers.h"

namespace qarnolog {

namespace {

// Adds the nodes of one item at position `d` under the item node `item`, reading from `work`.
// Returns the item's span in bytes as its declared lengths give it.
using AddItemFn = std::uint32_t (*)(FieldTree& tree, NodeId item, ByteView& work, std::int32_t d);

std::uint32_t AddContactItem(FieldTree& tree, NodeId item, ByteView& work, std::int32_t d) {
  const std::uint16_t itemType = ReadWord(work, 2);
  tree.append(item,
              {"Item Type", std::string(CodeName(NameTable::ItemType, itemType)), d, PosAdd(d, 1)});
  tree.append(item, {"Item ID", DecimalText(ReadDWord(work, 4)), PosAdd(d, 2), PosAdd(d, 5)});
  tree.append(item, {"Group ID", DecimalText(ReadDWord(work, 4)), PosAdd(d, 6), PosAdd(d, 9)});
  const std::uint32_t n = ReadDWord(work, 4);
  tree.append(item, {"Length", DecimalText(n), PosAdd(d, 10), PosAdd(d, 13)}, kMarkLength);
  const ByteView list = ReadBytes(work, AsCount(n), AsCount(n));
  std::string caption = AddStldList(tree, list, item, PosAdd(d, 14), false);
  if (!caption.empty()) tree.data(item).Name = std::move(caption);
  return 14u + n;
}

std::uint32_t AddTransportItem(FieldTree& tree, NodeId item, ByteView& work, std::int32_t d) {
  tree.append(item, {"UUID", BytesToHex(ReadBytes(work, 16, 16)), d, PosAdd(d, 15)});
  const std::uint32_t n = ReadDWord(work, 4);
  tree.append(item, {"Length", DecimalText(n), PosAdd(d, 16), PosAdd(d, 19)}, kMarkLength);
  const ByteView list = ReadBytes(work, AsCount(n), AsCount(n));
  std::string caption = AddTransportInfoList(tree, list, item, PosAdd(d, 20));
  if (!caption.empty()) tree.data(item).Name = std::move(caption);
  return 20u + n;
}

// The wTLD node (expanded), and with a value the list node (expanded) holding "Items count" and
// the items. All reads come in order from one working copy of the value; positions come from
// the declared lengths. The item loop stops when the value's bytes are used up, so a count far
// beyond the bytes present costs no more than the bytes themselves.
std::int32_t AddItemList(FieldTree& tree, std::uint32_t type, std::uint32_t length, ByteView value,
                         NodeId parent, std::int32_t position, std::string_view listName,
                         AddItemFn addItem) {
  const NodeId wtld = AddWtldHead(tree, type, length, parent, position);
  tree.setExpanded(wtld, true);
  if (value.empty()) return PosAdd(position, 8);

  const NodeId list = tree.append(
      wtld, {std::string(listName), {}, PosAdd(position, 8), PosAdd(position, 7u + length)});
  ByteView work = value;
  const std::uint32_t count = ReadDWord(work, 4);
  tree.append(list, {"Items count", DecimalText(count), PosAdd(position, 8), PosAdd(position, 11)});
  tree.setExpanded(list, true);

  std::int32_t d = PosAdd(position, 12);
  for (std::uint64_t i = 1; i <= count && !work.empty(); ++i) {
    const NodeId item = tree.append(list, {"Item " + DecimalText(i), {}, d, d});
    const std::uint32_t span = addItem(tree, item, work, d);
    tree.data(item).LastPos = PosAdd(d, span - 1u);
    d = PosAdd(d, span);
  }
  return PosAdd(position, 8u + length);
}

}  // namespace

std::int32_t AddContactListNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                                 ByteView value, NodeId parent, std::int32_t position) {
  return AddItemList(tree, type, length, value, parent, position, "Contact list", AddContactItem);
}

std::int32_t AddTransportsDataNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                                    ByteView value, NodeId parent, std::int32_t position) {
  return AddItemList(tree, type, length, value, parent, position, "Transports data",
                     AddTransportItem);
}

}  // namespace qarnolog
