// Item model over FieldTree.
#include "treegrid/field_tree_model.h"

#include "treegrid/field_node_rules.h"

namespace qarnolog {

void FieldTreeModel::setTree(FieldTree tree) {
  beginResetModel();
  m_tree = std::move(tree);
  endResetModel();
}

NodeId FieldTreeModel::nodeOf(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this) return kNoNode;
  return static_cast<NodeId>(index.internalId());
}

QModelIndex FieldTreeModel::indexOf(NodeId node) const {
  if (node >= m_tree.size()) return {};
  return createIndex(static_cast<int>(m_tree.row(node)), 0, static_cast<quintptr>(node));
}

QModelIndex FieldTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column != 0 || parent.column() > 0) return {};
  const NodeId node = m_tree.child(nodeOf(parent), static_cast<std::size_t>(row));
  if (node == kNoNode) return {};
  return createIndex(row, 0, static_cast<quintptr>(node));
}

QModelIndex FieldTreeModel::parent(const QModelIndex& child) const {
  const NodeId node = nodeOf(child);
  if (node == kNoNode) return {};
  return indexOf(m_tree.parent(node));
}

int FieldTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  return static_cast<int>(m_tree.childCount(nodeOf(parent)));
}

int FieldTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

bool FieldTreeModel::hasChildren(const QModelIndex& parent) const {
  return rowCount(parent) > 0;
}

QVariant FieldTreeModel::data(const QModelIndex& index, int role) const {
  const NodeId node = nodeOf(index);
  if (node == kNoNode || role != Qt::DisplayRole) return {};
  return QString::fromStdString(NodeText(m_tree.data(node)));
}

Qt::ItemFlags FieldTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace qarnolog
