// VstPkt: the tree of a packet's decoded fields. It shows a FieldTree through FieldTreeModel,
// draws nodes by the node image and paint rules, reports the byte range of the focused field,
// copies a field with Ctrl+C and expands every node on a double-click.
#pragma once

#include <QIcon>
#include <QTreeView>
#include <memory>
#include <vector>

#include "treegrid/field_tree_model.h"
#include "window/hex_dump_text.h"  // ByteRange

class QStyle;

namespace qarnolog {

class FieldView : public QTreeView {
  Q_OBJECT

 public:
  explicit FieldView(QWidget* parent = nullptr);
  ~FieldView() override;

  // The image list, by index (at least 4 to 8 are used).
  void setImages(std::vector<QIcon> images);
  [[nodiscard]] const QIcon& image(int index) const;

  // Shows a decoded tree in one update, with the expanded state its builder left.
  void showTree(FieldTree tree);
  void clearTree();
  [[nodiscard]] const FieldTreeModel& fieldModel() const { return *m_model; }

 signals:
  // A node got the focus and its positions make a byte range.
  void fieldFocused(qarnolog::ByteRange range);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  FieldTreeModel* m_model;              // owned as a child object
  std::unique_ptr<QStyle> m_lineStyle;  // a style that draws tree lines, when one exists
  std::vector<QIcon> m_images;
  QIcon m_noImage;
};

}  // namespace qarnolog
