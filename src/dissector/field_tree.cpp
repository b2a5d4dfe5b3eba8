// Decoded-field tree storage.
#include "dissector/field_tree.h"

#include <utility>  // std::move

namespace qarnolog {

NodeId FieldTree::append(NodeId parent, TVstData data, std::uint8_t mark) {
  const auto id = static_cast<NodeId>(m_nodes.size());
  Node node;
  node.data = std::move(data);
  node.mark = mark;
  node.parent = parent;
  if (parent == kNoNode) {
    node.row = static_cast<std::uint32_t>(m_topLevel.size());
    m_topLevel.push_back(id);
  } else {
    Node& p = m_nodes[parent];
    node.row = p.childCount;
    node.level = static_cast<std::uint16_t>(p.level + 1);
    if (p.lastChild == kNoNode) {
      p.firstChild = id;
    } else {
      m_nodes[p.lastChild].nextSibling = id;
    }
    p.lastChild = id;
    ++p.childCount;
  }
  m_nodes.push_back(std::move(node));
  m_indexValid = false;
  return id;
}

std::size_t FieldTree::childCount(NodeId parent) const {
  return parent == kNoNode ? m_topLevel.size() : m_nodes[parent].childCount;
}

NodeId FieldTree::child(NodeId parent, std::size_t row) const {
  if (parent == kNoNode) return row < m_topLevel.size() ? m_topLevel[row] : kNoNode;
  if (row >= m_nodes[parent].childCount) return kNoNode;
  if (!m_indexValid) rebuildIndex();
  return m_childIndex[m_childStart[parent] + row];
}

void FieldTree::rebuildIndex() const {
  m_childStart.assign(m_nodes.size(), 0);
  m_childIndex.resize(m_nodes.size());
  std::uint32_t next = 0;
  for (std::size_t n = 0; n < m_nodes.size(); ++n) {
    m_childStart[n] = next;
    next += m_nodes[n].childCount;
  }
  for (std::size_t n = 0; n < m_nodes.size(); ++n) {
    std::uint32_t slot = m_childStart[n];
    for (NodeId c = m_nodes[n].firstChild; c != kNoNode; c = m_nodes[c].nextSibling) {
      m_childIndex[slot++] = c;
    }
  }
  m_indexValid = true;
}

void FieldTree::expandAll() {
  for (Node& node : m_nodes) {
    if (node.childCount != 0) node.expanded = true;
  }
}

void FieldTree::clear() {
  m_nodes.clear();
  m_topLevel.clear();
  m_childIndex.clear();
  m_childStart.clear();
  m_indexValid = false;
}

}  // namespace qarnolog
