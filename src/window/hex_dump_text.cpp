// Hex dump text, highlight runs and scroll arithmetic.
#include "window/hex_dump_text.h"

#include <algorithm>

#include "wire/text.h"

namespace qarnolog {

namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr std::size_t kSeparatorColumn = 7;  // the byte followed by "-" in a row
constexpr std::size_t kScrollAhead = 5;      // rows shown after the first highlighted one

}  // namespace

char16_t DumpChar(std::uint8_t byte) {
  if (byte < 0x20 || (byte >= 0x7F && byte <= 0xBF)) return u'.';
  return static_cast<char16_t>(Cp1251ToUnicode(byte));
}

std::optional<ByteRange> FieldByteRange(const TVstData& field) {
  if (field.FirstPos < 1 || field.LastPos < field.FirstPos) return std::nullopt;
  return ByteRange{static_cast<std::size_t>(field.FirstPos) - 1,
                   static_cast<std::size_t>(field.LastPos) - 1};
}

std::vector<DumpRun> HighlightRuns(ByteRange range, std::size_t size) {
  std::vector<DumpRun> runs;
  if (size == 0 || range.first > range.last || range.first >= size) return runs;
  const std::size_t last = std::min(range.last, size - 1);
  std::size_t offset = range.first;
  while (offset <= last) {
    const std::size_t row = offset / kDumpBytesPerRow;
    const std::size_t column = offset % kDumpBytesPerRow;
    const std::size_t rowLast = std::min(last, row * kDumpBytesPerRow + kDumpBytesPerRow - 1);
    runs.push_back({row, column, rowLast - offset + 1});
    offset = rowLast + 1;
  }
  return runs;
}

DumpSpan HexSpan(const DumpRun& run) {
  return {kDumpRowPositions * run.row + 3 * run.column, 3 * run.count - 1};
}

DumpSpan CharSpan(const DumpRun& run) {
  return {kDumpRowPositions * run.row + kDumpCharColumn + run.column, run.count};
}

std::size_t ScrollToShow(std::size_t top, std::size_t visible, std::size_t line) {
  visible = std::max<std::size_t>(visible, 1);
  if (line < top) return line;
  if (line >= top + visible) return line - visible + 1;
  return top;
}

std::size_t HighlightScrollTop(std::size_t top, std::size_t visible, std::size_t s,
                               std::size_t linesPerRow) {
  if (s <= kScrollAhead) return 0;
  top = ScrollToShow(top, visible, (s + kScrollAhead) * linesPerRow);
  return ScrollToShow(top, visible, s * linesPerRow);
}

std::size_t HexDumpText::rowLength(std::size_t row) const {
  if (row >= rowCount()) return 0;
  const std::size_t bytes = std::min(kDumpBytesPerRow, m_bytes.size() - row * kDumpBytesPerRow);
  return kDumpCharColumn + bytes;
}

bool HexDumpText::rowHasEnd(std::size_t row) const {
  return row < rowCount() && (row + 1) * kDumpBytesPerRow <= m_bytes.size();
}

void HexDumpText::appendRow(QString& out, std::size_t row) const {
  const std::size_t begin = row * kDumpBytesPerRow;
  const std::size_t count = std::min(kDumpBytesPerRow, m_bytes.size() - begin);
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint8_t byte = m_bytes[begin + k];
    out.append(QChar(kHexDigits[byte >> 4]));
    out.append(QChar(kHexDigits[byte & 0x0F]));
    const bool lastByte = begin + k + 1 == m_bytes.size();
    out.append(k == kSeparatorColumn && !lastByte ? u'-' : u' ');
  }
  out.append(QString(static_cast<qsizetype>(3 * (kDumpBytesPerRow - count) + 2), u' '));
  for (std::size_t k = 0; k < count; ++k) out.append(QChar(DumpChar(m_bytes[begin + k])));
}

QString HexDumpText::rowText(std::size_t row) const {
  QString out;
  if (row >= rowCount()) return out;
  out.reserve(static_cast<qsizetype>(kDumpRowChars));
  appendRow(out, row);
  return out;
}

QString HexDumpText::text() const {
  QString out;
  const std::size_t rows = rowCount();
  out.reserve(static_cast<qsizetype>(rows * (kDumpRowChars + 4)));
  for (std::size_t row = 0; row < rows; ++row) {
    appendRow(out, row);
    if (rowHasEnd(row)) out.append(QStringView(kDumpRowEnd));
  }
  return out;
}

QString HexDumpText::textBetween(std::size_t start, std::size_t end) const {
  QString out;
  if (start >= end) return out;
  const std::size_t rows = rowCount();
  const std::size_t firstRow = start / kDumpRowPositions;
  const std::size_t lastRow = std::min((end - 1) / kDumpRowPositions, rows == 0 ? 0 : rows - 1);
  for (std::size_t row = firstRow; row < rows && row <= lastRow; ++row) {
    const std::size_t rowStart = row * kDumpRowPositions;
    const std::size_t length = rowLength(row);
    const std::size_t from = row == firstRow ? std::min(start - rowStart, length) : 0;
    const std::size_t to = std::min(end - rowStart, length);
    if (row != firstRow) out.append(u'\n');
    if (to > from) {
      out.append(rowText(row).mid(static_cast<qsizetype>(from), static_cast<qsizetype>(to - from)));
    }
    // A selection that runs past this row's text into the next row takes its line break.
    if (end - rowStart > kDumpRowChars && row == lastRow && row + 1 < rows) out.append(u'\n');
  }
  return out;
}

}  // namespace qarnolog
