// AddWtldNodes: the nodes of one wTLD, and the value text chosen by display name or kind.
#include "dissector/wtld_nodes.h"

#include <utility>  // std::move

#include "dissector/node_build.h"
#include "wire/hex.h"

namespace qarnolog {

std::string WtldNodeName(std::uint32_t type) {
  std::string name = "wTLD (0x";
  name += HexDigits(type, 8);
  name += ')';
  return name;
}

NodeId AddWtldHead(FieldTree& tree, std::uint32_t type, std::uint32_t length, NodeId parent,
                   std::int32_t position) {
  const NodeId wtld = tree.append(parent, {WtldNodeName(type), {}, position, PosAdd(position, 3)});
  tree.append(wtld, {"Length", DecimalText(length), PosAdd(position, 4), PosAdd(position, 7)},
              kMarkLength);
  return wtld;
}

std::int32_t AddWtldNodes(FieldTree& tree, std::uint32_t type, std::uint32_t length,
                          std::string_view displayName, ByteView value, std::uint8_t kind,
                          NodeId parent, std::int32_t position) {
  const NodeId wtld = AddWtldHead(tree, type, length, parent, position);
  if (value.empty()) {
    // Without a value node the display name is shown on the wTLD node itself.
    if (!displayName.empty()) {
      std::string& name = tree.data(wtld).Name;
      name += " - ";
      name += displayName;
    }
    return PosAdd(position, 8);
  }
  TVstData node;
  node.Name = displayName.empty() ? std::string("Value") : std::string(displayName);
  node.Value = WtldValueText(displayName, value, kind);
  // The value node spans the declared length even when fewer bytes came.
  node.FirstPos = PosAdd(position, 8);
  node.LastPos = PosAdd(position, 7u + length);
  tree.append(wtld, std::move(node));
  return PosAdd(position, 8u + length);
}

std::string WtldValueText(std::string_view displayName, ByteView value, std::uint8_t kind) {
  std::string text;
  if (SelectedText(displayName, value, text) && !text.empty()) return text;
  return KindText(value, kind);
}

}  // namespace qarnolog
