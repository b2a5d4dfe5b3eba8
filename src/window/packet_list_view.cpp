// Packet list delegate and set-up.
#include "window/packet_list_view.h"

#include <QHeaderView>
#include <QPainter>

#include "treegrid/packet_list_model.h"
#include "window/image_list.h"

namespace qarnolog {

namespace {

constexpr int kImageSize = 16;
constexpr int kPadding = 2;     // around the image and the text
constexpr int kRowHeight = 18;  // the list's fixed row height

}  // namespace

PacketListDelegate::PacketListDelegate(const ImageList& images, QObject* parent)
    : QStyledItemDelegate(parent), m_images(images), m_font(QStringLiteral("Tahoma")) {
  m_font.setPointSize(8);
}

void PacketListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const auto* model = qobject_cast<const PacketListModel*>(index.model());
  if (model == nullptr || index.row() < 0 || index.row() >= model->rowCount()) return;
  const std::uint32_t record = model->recordAt(index.row());
  const std::uint8_t direction = model->store().direction(record);

  // The selection background is the view's (a blended highlight, see SetUpPacketList); the
  // text keeps the row's colour over it.
  painter->save();
  QRect textRect = option.rect.adjusted(kPadding, 0, -kPadding, 0);
  if (index.column() == 0) {
    const QRect imageRect(textRect.left(), option.rect.top() + (option.rect.height() - 16) / 2,
                          kImageSize, kImageSize);
    m_images.image(DirectionImage(direction)).paint(painter, imageRect);
    textRect.setLeft(imageRect.right() + 1 + kPadding);
  }
  painter->setFont(m_font);
  painter->setPen(DirectionColor(direction));
  const QString text = model->cellText(record, index.column());
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    QFontMetrics(m_font).elidedText(text, Qt::ElideRight, textRect.width()));
  painter->restore();
}

QSize PacketListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
  const auto* model = qobject_cast<const PacketListModel*>(index.model());
  const QString text =
      model != nullptr ? model->cellText(model->recordAt(index.row()), index.column()) : QString();
  const int image = index.column() == 0 ? kImageSize + kPadding : 0;
  return {QFontMetrics(m_font).horizontalAdvance(text) + image + 2 * kPadding, kRowHeight};
}

void PacketListView::focusInEvent(QFocusEvent* event) {
  // The item view's own handler would make the first row current.
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

QColor BlendedSelection(const QColor& base, const QColor& highlight) {
  const auto mix = [](int under, int over) {
    return (under * (255 - kSelectionBlend) + over * kSelectionBlend + 127) / 255;
  };
  return QColor(mix(base.red(), highlight.red()), mix(base.green(), highlight.green()),
                mix(base.blue(), highlight.blue()));
}

void SetUpPacketList(QTableView* list, const ImageList& images) {
  list->setItemDelegate(new PacketListDelegate(images, list));
  QPalette palette = list->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight,
                     BlendedSelection(palette.color(group, QPalette::Base),
                                      palette.color(group, QPalette::Highlight)));
  }
  list->setPalette(palette);
  list->setIconSize(QSize(kImageSize, kImageSize));
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSortingEnabled(false);
  list->horizontalHeader()->setSectionsMovable(false);
}

}  // namespace qarnolog
