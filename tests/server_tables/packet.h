// Reading back the decoded fields of BEX packets, for the tests of the extension, plug-in and
// administration tables.
#pragma once

#include <cstddef>
#include <string>

#include "dissector/field_tree.h"
#include "dissector/tree_format.h"
#include "support/bex_builder.h"

namespace qarnolog::test {

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
