// The look of a connection's packet list: the direction image in the first column, the
// direction colours of the text, the selection blended over the row, no focus rectangle.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <cstdint>

#include <QTableView>

namespace qarnolog {

class ImageList;

// Images and colours of a row by its direction flag.
inline constexpr int kImageDirectionOut = 2;  // red arrow pointing right: Direction != 0
inline constexpr int kImageDirectionIn = 3;   // green arrow pointing left: Direction == 0
[[nodiscard]] inline int DirectionImage(std::uint8_t direction) {
  return direction != 0 ? kImageDirectionOut : kImageDirectionIn;
}
[[nodiscard]] inline QColor DirectionColor(std::uint8_t direction) {
  return direction != 0 ? QColor(128, 0, 0) : QColor(0, 128, 0);
}
// A selected row is drawn in the highlight colour blended over the row's background with this
// factor out of 255.
inline constexpr int kSelectionBlend = 60;
[[nodiscard]] QColor BlendedSelection(const QColor& base, const QColor& highlight);

// Draws the cells of a PacketListModel.
class PacketListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  PacketListDelegate(const ImageList& images, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                               const QModelIndex& index) const override;

 private:
  const ImageList& m_images;
  QFont m_font;
};

// A packet list. Unlike a plain table view it does not make its first row current when it gets
// the keyboard focus: a row becomes current only when the user picks one, so showing a list
// never shows a packet by itself.
class PacketListView : public QTableView {
  Q_OBJECT

 public:
  using QTableView::QTableView;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

// Gives a packet list its delegate and selection behaviour (whole rows, one at a time, a right
// click selects too as in every item view, no sorting, no dragged columns).
void SetUpPacketList(QTableView* list, const ImageList& images);

}  // namespace qarnolog
