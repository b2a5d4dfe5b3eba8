// How the field tree presents one node, without any widget: its text, the text Ctrl+C copies,
// its image index and the style its text is drawn in.
#pragma once

#include <cstdint>
#include <string>

#include "dissector/field_tree.h"

namespace qarnolog {

// "Name=Value" when the value is not empty, else the name alone.
std::string NodeText(const TVstData& data);

// The clipboard text of a node: "Name=Value" when both are non-empty, else the non-empty one;
// empty when both are.
std::string NodeCopyText(const TVstData& data);

// Image list indexes of field nodes.
inline constexpr int kImageFolderClosed = 4;
inline constexpr int kImageFolderOpen = 5;
inline constexpr int kImageSheet = 6;
inline constexpr int kImagePacket = 7;
inline constexpr int kImageLength = 8;

// The first top-level node shows the packet image; a node with children an open or closed
// folder; a leaf the length image when its mark is 1, else a sheet.
int NodeImageIndex(bool firstTopLevel, bool hasChildren, bool expanded, std::uint8_t mark);

enum class NodeColor { Normal, WindowText, Blue, Navy, Purple, Green };

struct NodeStyle {
  bool bold = false;
  NodeColor color = NodeColor::Normal;
  friend bool operator==(const NodeStyle&, const NodeStyle&) = default;
};

// Level 2 and mark 2 are bold; mark 3 purple, mark 4 green. Unless the node is focused, level 0
// is blue, level 1 the window-text colour and level 2 navy, over the mark's colour.
NodeStyle NodePaintStyle(int level, std::uint8_t mark, bool focused);

}  // namespace qarnolog
