// Text renderings of a decoded-field tree, used by the command-line dissector and by tests.
#pragma once

#include <string>

#include "dissector/field_tree.h"

namespace qarnolog {

// One line per node, depth-first, indented two spaces per level:
// `Name=Value [first-last]` (or `Name [first-last]` when the value is empty), followed by
// ` mark=N` when the node mark is not 0. Every line ends with '\n'.
std::string FormatTreeText(const FieldTree& tree);

// One JSON object on one line (no trailing newline): {"nodes":[NODE,...]} where NODE is
// {"name":"…","value":"…","first":N,"last":N,"mark":N,"expanded":true|false,"children":[…]}.
std::string FormatTreeJson(const FieldTree& tree);

}  // namespace qarnolog
