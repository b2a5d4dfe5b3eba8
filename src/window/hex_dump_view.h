// RichEditDump: a read-only, custom-painted view of one packet's hex dump. It draws only the
// rows in sight, so a packet of any size shows at once; it keeps the highlight runs, scrolls by
// the dump's scroll rule, and lets the user select text with the mouse and copy it.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <vector>

#include "window/hex_dump_text.h"

namespace qarnolog {

class HexDumpView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit HexDumpView(QWidget* parent = nullptr);

  // The box is read-only: the user can select and copy, never edit.
  [[nodiscard]] bool isReadOnly() const { return true; }

  // Empties the box: no text, no highlight, no selection.
  void clear();
  // Shows a new packet's dump from its top, without highlight or selection.
  void setDump(HexDumpText dump);
  [[nodiscard]] const HexDumpText& dump() const { return m_dump; }

  // Highlights a 0-based inclusive byte range and scrolls to it. A range with nothing inside
  // the packet (first > last, or all of it past the end) changes nothing.
  void highlight(ByteRange range);
  [[nodiscard]] const std::vector<DumpRun>& highlightRuns() const { return m_runs; }

  enum class CellStyle { Plain, HexHighlight, CharHighlight };
  // The style of the character at a box position (68 per row).
  [[nodiscard]] CellStyle styleAt(std::size_t position) const;
  [[nodiscard]] static QColor colorOf(CellStyle style);

  // The user's selection, in box positions (start inclusive, end exclusive), and its text.
  [[nodiscard]] std::size_t selectionStart() const;
  [[nodiscard]] std::size_t selectionEnd() const;
  [[nodiscard]] QString selectedText() const;
  void selectAll();
  void copy() const;

  // The dump row at the top of the box and the number of lines the box shows.
  [[nodiscard]] std::size_t topRow() const;
  [[nodiscard]] std::size_t visibleLines() const;
  [[nodiscard]] std::size_t linesPerRow() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  [[nodiscard]] qreal charWidth() const;
  [[nodiscard]] int lineHeight() const;
  [[nodiscard]] std::size_t charsPerLine() const;
  [[nodiscard]] std::size_t positionAt(QPoint point) const;
  void updateScrollBar();
  void scrollToLine(std::size_t line);

  HexDumpText m_dump;
  std::vector<DumpRun> m_runs;
  std::size_t m_anchor = 0;  // selection: where the mouse went down
  std::size_t m_caret = 0;   // and where it is now
};

}  // namespace qarnolog
