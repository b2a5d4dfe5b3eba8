// RichEditDump's painting, scrolling, highlight and mouse selection.
#include "window/hex_dump_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace qarnolog {

HexDumpView::HexDumpView(QWidget* parent) : QAbstractScrollArea(parent) {
  QFont font(QStringLiteral("Courier"));
  font.setPointSize(8);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  setFont(font);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  updateScrollBar();
}

void HexDumpView::clear() {
  setDump(HexDumpText());
}

void HexDumpView::setDump(HexDumpText dump) {
  m_dump = std::move(dump);
  m_runs.clear();
  m_anchor = m_caret = 0;
  updateScrollBar();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

void HexDumpView::highlight(ByteRange range) {
  std::vector<DumpRun> runs = HighlightRuns(range, m_dump.byteCount());
  if (runs.empty()) return;
  m_runs = std::move(runs);
  const std::size_t s = m_runs.front().row;
  m_anchor = m_caret = s * kDumpRowPositions;
  const auto top = static_cast<std::size_t>(verticalScrollBar()->value());
  scrollToLine(HighlightScrollTop(top, visibleLines(), s, linesPerRow()));
  viewport()->update();
}

HexDumpView::CellStyle HexDumpView::styleAt(std::size_t position) const {
  const std::size_t row = position / kDumpRowPositions;
  if (m_runs.empty() || row < m_runs.front().row || row > m_runs.back().row) {
    return CellStyle::Plain;
  }
  const DumpRun& run = m_runs[row - m_runs.front().row];
  const DumpSpan hex = HexSpan(run);
  const DumpSpan chars = CharSpan(run);
  if (position >= hex.start && position < hex.start + hex.length) return CellStyle::HexHighlight;
  if (position >= chars.start && position < chars.start + chars.length) {
    return CellStyle::CharHighlight;
  }
  return CellStyle::Plain;
}

QColor HexDumpView::colorOf(CellStyle style) {
  switch (style) {
    case CellStyle::HexHighlight:
      return QColor(0, 0, 255);
    case CellStyle::CharHighlight:
      return QColor(255, 0, 0);
    case CellStyle::Plain:
      break;
  }
  return QColor(0, 0, 0);
}

std::size_t HexDumpView::selectionStart() const {
  return std::min(m_anchor, m_caret);
}
std::size_t HexDumpView::selectionEnd() const {
  return std::max(m_anchor, m_caret);
}

QString HexDumpView::selectedText() const {
  return m_dump.textBetween(selectionStart(), selectionEnd());
}

void HexDumpView::selectAll() {
  m_anchor = 0;
  const std::size_t rows = m_dump.rowCount();
  m_caret = rows == 0 ? 0 : (rows - 1) * kDumpRowPositions + m_dump.rowLength(rows - 1);
  viewport()->update();
}

void HexDumpView::copy() const {
  const QString text = selectedText();
  if (text.isEmpty()) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

qreal HexDumpView::charWidth() const {
  return std::max<qreal>(1, QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')));
}

int HexDumpView::lineHeight() const {
  return std::max(1, fontMetrics().height());
}

std::size_t HexDumpView::charsPerLine() const {
  const auto fit = static_cast<std::size_t>(std::max<qreal>(1, viewport()->width() / charWidth()));
  return std::min(fit, kDumpRowChars);
}

std::size_t HexDumpView::linesPerRow() const {
  const std::size_t perLine = charsPerLine();
  return (kDumpRowChars + perLine - 1) / perLine;
}

std::size_t HexDumpView::visibleLines() const {
  return static_cast<std::size_t>(std::max(1, viewport()->height() / lineHeight()));
}

std::size_t HexDumpView::topRow() const {
  return static_cast<std::size_t>(verticalScrollBar()->value()) / linesPerRow();
}

void HexDumpView::updateScrollBar() {
  const std::size_t lines = m_dump.rowCount() * linesPerRow();
  const std::size_t visible = visibleLines();
  const std::size_t maximum = lines > visible ? lines - visible : 0;
  verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::size_t>(maximum, INT32_MAX)));
  verticalScrollBar()->setPageStep(static_cast<int>(visible));
  verticalScrollBar()->setSingleStep(1);
}

void HexDumpView::scrollToLine(std::size_t line) {
  const auto maximum = static_cast<std::size_t>(verticalScrollBar()->maximum());
  verticalScrollBar()->setValue(static_cast<int>(std::min(line, maximum)));
}

std::size_t HexDumpView::positionAt(QPoint point) const {
  const std::size_t rows = m_dump.rowCount();
  if (rows == 0) return 0;
  const std::size_t perLine = charsPerLine();
  const std::size_t perRow = linesPerRow();
  const auto top = static_cast<std::size_t>(verticalScrollBar()->value());
  const int y = point.y() / lineHeight();
  const std::size_t line = y < 0 ? (top > 0 ? top - 1 : 0) : top + static_cast<std::size_t>(y);
  const std::size_t row = line / perRow;
  if (row >= rows) return (rows - 1) * kDumpRowPositions + m_dump.rowLength(rows - 1);
  const std::size_t lineStart = (line % perRow) * perLine;
  const std::size_t lineEnd = std::min(lineStart + perLine, m_dump.rowLength(row));
  const auto x = static_cast<std::size_t>(std::max<qreal>(0, point.x() / charWidth() + 0.5));
  const std::size_t column = std::min(lineStart + x, lineEnd);
  return row * kDumpRowPositions + std::max(column, std::min(lineStart, lineEnd));
}

void HexDumpView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QFont plain = font();
  QFont underlined = plain;
  underlined.setUnderline(true);
  const qreal cw = charWidth();
  const int lh = lineHeight();
  const int ascent = fontMetrics().ascent();
  const bool fixedPitch = QFontInfo(plain).fixedPitch();
  const std::size_t perLine = charsPerLine();
  const std::size_t perRow = linesPerRow();
  const std::size_t rows = m_dump.rowCount();
  const auto top = static_cast<std::size_t>(verticalScrollBar()->value());
  const std::size_t selStart = selectionStart();
  const std::size_t selEnd = selectionEnd();
  const QColor selectionBack = palette().color(QPalette::Highlight);
  const QColor selectionText = palette().color(QPalette::HighlightedText);

  std::size_t textRow = SIZE_MAX;
  QString text;
  for (std::size_t i = 0; i <= visibleLines(); ++i) {
    const std::size_t line = top + i;
    const std::size_t row = line / perRow;
    if (row >= rows) break;
    if (row != textRow) {
      text = m_dump.rowText(row);
      textRow = row;
    }
    const std::size_t from = (line % perRow) * perLine;
    const std::size_t to = std::min(from + perLine, static_cast<std::size_t>(text.size()));
    const int y = static_cast<int>(i) * lh;
    // Draw runs of characters that share a style and selection state.
    for (std::size_t c = from; c < to;) {
      const std::size_t position = row * kDumpRowPositions + c;
      const CellStyle style = styleAt(position);
      const bool selected = position >= selStart && position < selEnd;
      std::size_t end = c + 1;
      while (end < to) {
        const std::size_t p = row * kDumpRowPositions + end;
        if (styleAt(p) != style || (p >= selStart && p < selEnd) != selected) break;
        ++end;
      }
      const qreal x = static_cast<qreal>(c - from) * cw;
      const qreal width = static_cast<qreal>(end - c) * cw;
      if (selected) painter.fillRect(QRectF(x, y, width, lh), selectionBack);
      painter.setFont(style == CellStyle::HexHighlight ? underlined : plain);
      painter.setPen(selected ? selectionText : colorOf(style));
      const QString piece = text.mid(static_cast<qsizetype>(c), static_cast<qsizetype>(end - c));
      // ASCII of a fixed-pitch font advances by exactly one cell; anything else (a letter
      // that another font supplies, a font that is not fixed-pitch) is put cell by cell.
      const bool ascii =
          std::all_of(piece.begin(), piece.end(), [](QChar ch) { return ch.unicode() < 0x80; });
      if (fixedPitch && ascii) {
        painter.drawText(QPointF(x, y + ascent), piece);
      } else {
        for (qsizetype k = 0; k < piece.size(); ++k) {
          painter.drawText(QPointF(x + static_cast<qreal>(k) * cw, y + ascent), QString(piece[k]));
        }
      }
      c = end;
    }
  }
}

void HexDumpView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBar();
}

void HexDumpView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateScrollBar();
}

void HexDumpView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  m_caret = positionAt(event->position().toPoint());
  if (!(event->modifiers() & Qt::ShiftModifier)) m_anchor = m_caret;
  viewport()->update();
}

void HexDumpView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint point = event->position().toPoint();
  QScrollBar* bar = verticalScrollBar();
  if (point.y() < 0) bar->setValue(bar->value() - 1);
  if (point.y() >= viewport()->height()) bar->setValue(bar->value() + 1);
  m_caret = positionAt(point);
  viewport()->update();
}

void HexDumpView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
  } else {
    QAbstractScrollArea::mouseReleaseEvent(event);
  }
}

void HexDumpView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // Selects the run of non-space characters under the pointer (one hex cell, or a word).
  const std::size_t position = positionAt(event->position().toPoint());
  const std::size_t row = position / kDumpRowPositions;
  const QString text = m_dump.rowText(row);
  auto begin = static_cast<qsizetype>(position % kDumpRowPositions);
  auto end = begin;
  const auto isWord = [&](qsizetype i) {
    return i >= 0 && i < text.size() && text[i] != u' ' && text[i] != u'-';
  };
  if (!isWord(begin) && isWord(begin - 1)) --begin, --end;
  while (isWord(begin - 1)) --begin;
  while (isWord(end)) ++end;
  m_anchor = row * kDumpRowPositions + static_cast<std::size_t>(begin);
  m_caret = row * kDumpRowPositions + static_cast<std::size_t>(end);
  viewport()->update();
}

void HexDumpView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    copy();
    event->accept();
  } else if (event == QKeySequence::SelectAll) {
    selectAll();
    event->accept();
  } else {
    QAbstractScrollArea::keyPressEvent(event);
  }
}

void HexDumpView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copyAction = menu.addAction(tr("&Copy"), this, &HexDumpView::copy);
  copyAction->setShortcut(QKeySequence::Copy);
  copyAction->setEnabled(selectionEnd() > selectionStart());
  QAction* all = menu.addAction(tr("Select &All"), this, &HexDumpView::selectAll);
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(m_dump.byteCount() > 0);
  menu.exec(event->globalPos());
}

}  // namespace qarnolog
