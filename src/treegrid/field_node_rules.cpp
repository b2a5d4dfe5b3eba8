// Field node text, copy text, image and paint rules.
#include "treegrid/field_node_rules.h"

namespace qarnolog {

std::string NodeText(const TVstData& data) {
  if (data.Value.empty()) return data.Name;
  return data.Name + "=" + data.Value;
}

std::string NodeCopyText(const TVstData& data) {
  if (data.Name.empty()) return data.Value;
  if (data.Value.empty()) return data.Name;
  return data.Name + "=" + data.Value;
}

int NodeImageIndex(bool firstTopLevel, bool hasChildren, bool expanded, std::uint8_t mark) {
  if (firstTopLevel) return kImagePacket;
  if (hasChildren) return expanded ? kImageFolderOpen : kImageFolderClosed;
  return mark == kMarkLength ? kImageLength : kImageSheet;
}

NodeStyle NodePaintStyle(int level, std::uint8_t mark, bool focused) {
  NodeStyle style;
  style.bold = level == 2 || mark == kMarkGroup;
  if (mark == kMarkTransport) style.color = NodeColor::Purple;
  if (mark == kMarkNote) style.color = NodeColor::Green;
  if (focused) return style;
  switch (level) {
    case 0:
      style.color = NodeColor::Blue;
      break;
    case 1:
      style.color = NodeColor::WindowText;
      break;
    case 2:
      style.color = NodeColor::Navy;
      break;
    default:
      break;
  }
  return style;
}

}  // namespace qarnolog
