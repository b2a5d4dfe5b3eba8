// The decoded-field tree: contiguous nodes addressed by index, each holding its TVstData, its
// one-byte node mark, its parent and its children in order, and an expanded flag.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qarnolog {

// One decoded field. Positions are 1-based and inclusive over the whole packet: the header
// spans 1 to 17 and the data starts at 18.
struct TVstData {
  std::string Name;   // UTF-8
  std::string Value;  // UTF-8; empty for nodes that only group others
  std::int32_t FirstPos = 0;
  std::int32_t LastPos = 0;
};

using NodeId = std::uint32_t;
inline constexpr NodeId kNoNode = 0xFFFFFFFFu;  // "no node"; as a parent: the top level

// Node marks set by the decoders and shown by the field view.
inline constexpr std::uint8_t kMarkNone = 0;
inline constexpr std::uint8_t kMarkLength = 1;     // a length field
inline constexpr std::uint8_t kMarkGroup = 2;      // a named group or transport (bold)
inline constexpr std::uint8_t kMarkTransport = 3;  // a transport account item (purple)
inline constexpr std::uint8_t kMarkNote = 4;       // a note item (green)

class FieldTree {
 public:
  // Appends a node at the end of `parent`'s children (kNoNode: at the end of the top level).
  NodeId append(NodeId parent, TVstData data, std::uint8_t mark = kMarkNone);

  [[nodiscard]] const TVstData& data(NodeId node) const { return m_nodes[node].data; }
  TVstData& data(NodeId node) { return m_nodes[node].data; }
  [[nodiscard]] std::uint8_t mark(NodeId node) const { return m_nodes[node].mark; }
  void setMark(NodeId node, std::uint8_t mark) { m_nodes[node].mark = mark; }

  [[nodiscard]] NodeId parent(NodeId node) const { return m_nodes[node].parent; }
  // Depth: top-level nodes are level 0.
  [[nodiscard]] int level(NodeId node) const { return m_nodes[node].level; }
  // Index of the node among its parent's children (or among the top-level nodes).
  [[nodiscard]] std::size_t row(NodeId node) const { return m_nodes[node].row; }
  // Children of `parent`, or the top-level nodes for kNoNode. child() is O(1) (amortised: the
  // first call after appends rebuilds an index in O(size)).
  [[nodiscard]] std::size_t childCount(NodeId parent) const;
  [[nodiscard]] NodeId child(NodeId parent, std::size_t row) const;

  [[nodiscard]] bool expanded(NodeId node) const { return m_nodes[node].expanded; }
  void setExpanded(NodeId node, bool expanded) { m_nodes[node].expanded = expanded; }
  // Expands every node that has children.
  void expandAll();

  [[nodiscard]] std::size_t size() const { return m_nodes.size(); }
  [[nodiscard]] bool empty() const { return m_nodes.empty(); }
  void clear();

 private:
  struct Node {
    TVstData data;
    NodeId parent = kNoNode;
    NodeId nextSibling = kNoNode;
    std::uint32_t childCount = 0;
    std::uint32_t row = 0;
    std::uint16_t level = 0;
    std::uint8_t mark = kMarkNone;
    bool expanded = false;
    NodeId firstChild = kNoNode;
    NodeId lastChild = kNoNode;
  };

  void rebuildIndex() const;

  std::vector<Node> m_nodes;
  std::vector<NodeId> m_topLevel;
  // Children of every node laid out contiguously: node n's children start at m_childStart[n].
  mutable std::vector<NodeId> m_childIndex;
  mutable std::vector<std::uint32_t> m_childStart;
  mutable bool m_indexValid = false;
};

}  // namespace qarnolog
