// A thin item model over the decoded-field tree: one column, one item per node, the node's
// text for display. It owns the tree it shows and decodes nothing.
#pragma once

#include <QAbstractItemModel>

#include "dissector/field_tree.h"

namespace qarnolog {

class FieldTreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit FieldTreeModel(QObject* parent = nullptr) : QAbstractItemModel(parent) {}

  // Replaces the whole tree in one reset.
  void setTree(FieldTree tree);
  void clear() { setTree(FieldTree()); }
  [[nodiscard]] const FieldTree& tree() const { return m_tree; }

  // The node of an index (kNoNode for the invalid index) and the index of a node.
  [[nodiscard]] NodeId nodeOf(const QModelIndex& index) const;
  [[nodiscard]] QModelIndex indexOf(NodeId node) const;

  [[nodiscard]] QModelIndex index(int row, int column,
                                  const QModelIndex& parent = {}) const override;
  [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] bool hasChildren(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  FieldTree m_tree;
};

}  // namespace qarnolog
