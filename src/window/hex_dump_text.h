// The hex dump of one packet without any widget: its exact text, the arithmetic from packet
// offsets to the dump's character positions, the highlight runs and the scroll rule.
//
// A row holds 16 bytes: hex cells in columns 0-47, a two-space gap, characters from column 50,
// then the row end CR CR LF LF. In character positions the row end counts as two, so row r
// starts at position 68r and column c of row r is position 68r + c.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "dissector/field_tree.h"
#include "wire/bytes.h"

namespace qarnolog {

inline constexpr std::size_t kDumpBytesPerRow = 16;
inline constexpr std::size_t kDumpCharColumn = 50;    // first column of the character part
inline constexpr std::size_t kDumpRowChars = 66;      // characters of a full row, row end excluded
inline constexpr std::size_t kDumpRowPositions = 68;  // positions of a row with its row end
inline constexpr char16_t kDumpRowEnd[] = u"\r\r\n\n";

// The character shown for one byte: "." for 0x00-0x1F and 0x7F-0xBF, else its Windows-1251
// character.
char16_t DumpChar(std::uint8_t byte);

// A 0-based inclusive byte range of the packet.
struct ByteRange {
  std::size_t first = 0;
  std::size_t last = 0;
};

// The bytes of a field: FirstPos - 1 to LastPos - 1. None when LastPos < FirstPos or
// FirstPos < 1. This is the one place where the tree's 1-based positions become offsets.
std::optional<ByteRange> FieldByteRange(const TVstData& field);

// One row's share of a highlighted range: `count` bytes from `column` of `row`.
struct DumpRun {
  std::size_t row = 0;
  std::size_t column = 0;
  std::size_t count = 0;
  friend bool operator==(const DumpRun&, const DumpRun&) = default;
};

// A span of character positions.
struct DumpSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  friend bool operator==(const DumpSpan&, const DumpSpan&) = default;
};

// The runs of `range` within a packet of `size` bytes, one per row in row order. Offsets past
// the packet's last byte are dropped; empty when first > last or nothing is left.
std::vector<DumpRun> HighlightRuns(ByteRange range, std::size_t size);

// Positions of a run's hex digits with the separators between them (68r + 3c, 3n - 1) and of
// its characters (68r + 50 + c, n).
DumpSpan HexSpan(const DumpRun& run);
DumpSpan CharSpan(const DumpRun& run);

// The first line to show after a highlight that starts in row `s`, for a box that shows
// `visible` lines from `top`, each row taking `linesPerRow` lines. For s > 5 the caret goes to
// row s + 5 and then to row s, each move scrolling as little as makes the caret's line
// visible; otherwise the box goes to its top.
std::size_t HighlightScrollTop(std::size_t top, std::size_t visible, std::size_t s,
                               std::size_t linesPerRow = 1);

// The smallest scroll from `top` that makes `line` visible in a box of `visible` lines.
std::size_t ScrollToShow(std::size_t top, std::size_t visible, std::size_t line);

// The dump of one packet. Rows are built when asked for, so a large packet costs nothing until
// its rows are drawn.
class HexDumpText {
 public:
  HexDumpText() = default;
  explicit HexDumpText(ByteString bytes) : m_bytes(std::move(bytes)) {}

  [[nodiscard]] std::size_t byteCount() const { return m_bytes.size(); }
  [[nodiscard]] const ByteString& bytes() const { return m_bytes; }
  [[nodiscard]] std::size_t rowCount() const {
    return (m_bytes.size() + kDumpBytesPerRow - 1) / kDumpBytesPerRow;
  }
  // Characters of a row before its row end: 66 for a full row, 50 + rest for the partial one.
  [[nodiscard]] std::size_t rowLength(std::size_t row) const;
  // Row `row` without its row end; empty past the last row.
  [[nodiscard]] QString rowText(std::size_t row) const;
  // Whether row `row` is followed by a row end (every full row is, the partial one is not).
  [[nodiscard]] bool rowHasEnd(std::size_t row) const;
  // The whole dump text with its row ends.
  [[nodiscard]] QString text() const;
  // The text between two character positions (start inclusive, end exclusive), rows joined by
  // "\n". Positions inside a row end or past a row's text count as its end.
  [[nodiscard]] QString textBetween(std::size_t start, std::size_t end) const;

 private:
  void appendRow(QString& out, std::size_t row) const;

  ByteString m_bytes;
};

}  // namespace qarnolog
