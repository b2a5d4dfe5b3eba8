// The field tree view and its node delegate.
#include "window/field_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "treegrid/field_node_rules.h"

namespace qarnolog {

namespace {

constexpr int kRowHeight = 16;
constexpr int kImageSize = 16;
constexpr int kTextGap = 4;          // between the image and the text
constexpr int kSelectionRadius = 3;  // rounded corners of the selection
constexpr int kSelectionAlpha = 80;  // the selection is drawn over the row, text colours kept
// A node's text can be megabytes long (a whole file's data). Measuring and eliding look at no
// more than this many characters, which is more than any row can show; tooltips show as many.
constexpr qsizetype kMeasuredChars = 4096;

// `text` cut to kMeasuredChars, with an ellipsis when it was longer.
QString Measured(const QString& text) {
  if (text.size() <= kMeasuredChars) return text;
  return text.left(kMeasuredChars) + QChar(0x2026);
}

QColor ColorOf(NodeColor color, const QPalette& palette) {
  switch (color) {
    case NodeColor::WindowText:
      return palette.color(QPalette::WindowText);
    case NodeColor::Blue:
      return QColor(0, 0, 255);
    case NodeColor::Navy:
      return QColor(0, 0, 128);
    case NodeColor::Purple:
      return QColor(128, 0, 128);
    case NodeColor::Green:
      return QColor(0, 128, 0);
    case NodeColor::Normal:
      break;
  }
  return palette.color(QPalette::Text);
}

class FieldDelegate : public QStyledItemDelegate {
 public:
  explicit FieldDelegate(FieldView* view) : QStyledItemDelegate(view), m_view(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const FieldTreeModel& model = m_view->fieldModel();
    const NodeId node = model.nodeOf(index);
    if (node == kNoNode) return;
    const FieldTree& tree = model.tree();
    const bool focused = index == m_view->currentIndex();
    const NodeStyle style = NodePaintStyle(tree.level(node), tree.mark(node), focused);

    painter->save();
    if (option.state & QStyle::State_Selected) {
      QColor back = option.palette.color(QPalette::Highlight);
      back.setAlpha(kSelectionAlpha);
      QPainterPath path;
      path.addRoundedRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5), kSelectionRadius,
                          kSelectionRadius);
      painter->setRenderHint(QPainter::Antialiasing);
      painter->fillPath(path, back);
      painter->setRenderHint(QPainter::Antialiasing, false);
    }
    const bool firstTop = tree.parent(node) == kNoNode && tree.row(node) == 0;
    const bool hasChildren = tree.childCount(node) > 0;
    const int image =
        NodeImageIndex(firstTop, hasChildren, m_view->isExpanded(index), tree.mark(node));
    const QRect imageRect(option.rect.left(), option.rect.top() + (option.rect.height() - 16) / 2,
                          kImageSize, kImageSize);
    m_view->image(image).paint(painter, imageRect);

    QFont font = option.font;
    font.setBold(style.bold);
    painter->setFont(font);
    painter->setPen(ColorOf(style.color, option.palette));
    const QRect textRect = option.rect.adjusted(kImageSize + kTextGap, 0, 0, 0);
    const QString text = Measured(index.data(Qt::DisplayRole).toString());
    const QString shown =
        QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(0, textRect.width()));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QFont font = option.font;
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(Measured(index.data().toString()));
    return {kImageSize + kTextGap + width, kRowHeight};
  }

  // A tooltip with the whole text, only over a node whose text is cut off.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip) {
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const FieldTree& tree = m_view->fieldModel().tree();
    const NodeId node = m_view->fieldModel().nodeOf(index);
    if (node == kNoNode) return false;
    QFont font = option.font;
    font.setBold(NodePaintStyle(tree.level(node), tree.mark(node), false).bold);
    const QString text = Measured(index.data().toString());
    const int available = std::min(option.rect.right(), view->viewport()->width()) -
                          option.rect.left() - kImageSize - kTextGap;
    if (QFontMetrics(font).horizontalAdvance(text) > available) {
      QToolTip::showText(event->globalPos(), text, view);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }

 private:
  FieldView* m_view;
};

}  // namespace

FieldView::FieldView(QWidget* parent) : QTreeView(parent), m_model(new FieldTreeModel(this)) {
  setObjectName(QStringLiteral("VstPkt"));
  setModel(m_model);
  setItemDelegate(new FieldDelegate(this));
  setHeaderHidden(true);
  header()->setStretchLastSection(true);
  setUniformRowHeights(true);
  setRootIsDecorated(true);
  setItemsExpandable(true);
  setExpandsOnDoubleClick(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(kImageSize, kImageSize));
  setMouseTracking(true);
  // The classic style draws the dotted tree lines with their plus and minus buttons.
  m_lineStyle.reset(QStyleFactory::create(QStringLiteral("Windows")));
  if (m_lineStyle) setStyle(m_lineStyle.get());
}

FieldView::~FieldView() {
  // The style must outlive the widget's use of it.
  setStyle(nullptr);
}

void FieldView::setImages(std::vector<QIcon> images) {
  m_images = std::move(images);
  viewport()->update();
}

const QIcon& FieldView::image(int index) const {
  // An image list too short for an index draws nothing.
  if (index < 0 || static_cast<std::size_t>(index) >= m_images.size()) return m_noImage;
  return m_images[static_cast<std::size_t>(index)];
}

void FieldView::showTree(FieldTree tree) {
  setUpdatesEnabled(false);
  m_model->setTree(std::move(tree));
  const FieldTree& shown = m_model->tree();
  for (NodeId node = 0; node < shown.size(); ++node) {
    if (shown.expanded(node) && shown.childCount(node) > 0) expand(m_model->indexOf(node));
  }
  setUpdatesEnabled(true);
}

void FieldView::clearTree() {
  m_model->clear();
}

void FieldView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  // The focused node is drawn in other colours: repaint both rows.
  if (previous.isValid()) update(previous);
  const NodeId node = m_model->nodeOf(current);
  if (node == kNoNode) return;
  if (const auto range = FieldByteRange(m_model->tree().data(node))) emit fieldFocused(*range);
}

void FieldView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_C && modifiers == Qt::ControlModifier) {
    event->accept();
    const NodeId node = m_model->nodeOf(currentIndex());
    if (node == kNoNode) return;
    const std::string text = NodeCopyText(m_model->tree().data(node));
    if (text.empty()) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
      clipboard->setText(QString::fromStdString(text));
    }
    return;
  }
  // Other Ctrl+C combinations copy nothing (the item view would copy the display text).
  if (event->key() == Qt::Key_C && (modifiers & Qt::ControlModifier)) {
    event->accept();
    return;
  }
  QTreeView::keyPressEvent(event);
}

void FieldView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  if (m_model->rowCount() > 0) expandAll();
}

}  // namespace qarnolog
