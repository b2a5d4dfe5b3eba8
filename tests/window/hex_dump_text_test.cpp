// The dump's exact text, its highlight runs and positions, and the scroll rule.
#include <gtest/gtest.h>

#include "window/hex_dump_text.h"

namespace qarnolog {
namespace {

ByteString Counting(std::size_t n) {
  ByteString bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(0x41 + i % 26);
  return bytes;
}

const QString kRowEnd = QStringLiteral("\r\r\n\n");

TEST(HexDumpText, TextsOfShortAndRowLengthPackets) {
  struct Case {
    std::size_t size;
    QString text;
  };
  const Case cases[] = {
      {0,                                                                               {}                  },
 // Eight bytes: the eighth is the last one, so it takes a space, not "-".
      {  8,                                        "41 42 43 44 45 46 47 48 " + QString(24,  ' ') + "  ABCDEFGH"},
      {  9,                                     "41 42 43 44 45 46 47 48-49 " + QString(21, ' ') + "  ABCDEFGHI"},
      {  16, "41 42 43 44 45 46 47 48-49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP" + kRowEnd                    },
      { 17,                                                                   "41 42 43 44 45 46 47 48-49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP" + kRowEnd + "51 " +
               QString(45,                                                                                       ' ') + "  Q"},
  };
  for (const Case& c : cases) {
    const HexDumpText dump(Counting(c.size));
    EXPECT_EQ(dump.text(), c.text) << c.size;
    EXPECT_EQ(dump.rowCount(), (c.size + 15) / 16) << c.size;
  }
}

TEST(HexDumpText, CharacterPartAndCyrillic) {
  const HexDumpText dump(ByteString{0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,
                                    0x00, 0x1F, 0x7F, 0x80, 0xC0, 0xFF, 0x30});
  EXPECT_EQ(dump.text(),
            QString("41 42 43 44 45 46 47 48-49 4A 00 1F 7F 80 C0 FF   ABCDEFGHIJ....") +
                QChar(0x0410) + QChar(0x044F) + kRowEnd + "30 " + QString(45, ' ') + "  0");
  EXPECT_EQ(dump.rowText(1).indexOf('0', 3), 50);
  // Every byte of the dotted ranges is a dot, every other one its own character.
  for (int b = 0; b < 256; ++b) {
    const bool dotted = b < 0x20 || (b >= 0x7F && b <= 0xBF);
    EXPECT_EQ(DumpChar(static_cast<std::uint8_t>(b)) == u'.', dotted || b == '.') << b;
  }
}

TEST(HexDumpText, TextBetweenPositions) {
  const HexDumpText dump(Counting(40));
  EXPECT_EQ(dump.textBetween(0, 2), "41");
  EXPECT_EQ(dump.textBetween(50, 52), "AB");
  // From the last character of row 0 into row 1: the rows are joined by one line break.
  EXPECT_EQ(dump.textBetween(65, 68 + 2), "P\n51");
  EXPECT_EQ(dump.textBetween(68 * 2 + 50, 68 * 9), "GHIJKLMN");  // clamped to the last row
  EXPECT_EQ(dump.textBetween(5, 5), "");
}

TEST(HighlightRuns, SplitsRangesByRow) {
  struct Case {
    ByteRange range;
    std::size_t size;
    std::vector<DumpRun> runs;
  };
  const Case cases[] = {
  // "Data Length": positions 14-17, offsets 13-16.
      {{13, 16}, 40, {{0, 13, 3}, {1, 0, 1}}            },
      {{14, 33}, 40, {{0, 14, 2}, {1, 0, 16}, {2, 0, 2}}},
      {{5, 5},   40, {{0, 5, 1}}                        },
      {{30, 50}, 40, {{1, 14, 2}, {2, 0, 8}}            }, // offsets past the end are dropped
      {{40, 45}, 40, {}                                 }, // nothing of it inside the packet
      {{6, 5},   40, {}                                 }, // first > last
      {{0, 0},   0,  {}                                 }, // empty packet
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HighlightRuns(c.range, c.size), c.runs) << c.range.first << "-" << c.range.last;
  }
  EXPECT_EQ(HexSpan({0, 13, 3}), (DumpSpan{39, 8}));
  EXPECT_EQ(CharSpan({0, 13, 3}), (DumpSpan{63, 3}));
  EXPECT_EQ(HexSpan({1, 0, 1}), (DumpSpan{68, 2}));
  EXPECT_EQ(CharSpan({1, 0, 1}), (DumpSpan{118, 1}));
  EXPECT_EQ(HexSpan({1, 0, 16}), (DumpSpan{68, 47}));
}

TEST(HighlightRuns, SpansCoverExactlyTheHighlightedCells) {
  const HexDumpText dump(Counting(40));
  const QString text = dump.text();
  // Box positions count a row end as two characters, the text holds four.
  const auto at = [&](std::size_t position) {
    const std::size_t row = position / kDumpRowPositions;
    return text.mid(static_cast<qsizetype>(row * (kDumpRowChars + 4) + position % 68), 1);
  };
  for (const DumpRun& run : HighlightRuns({14, 33}, 40)) {
    const DumpSpan hex = HexSpan(run);
    const DumpSpan chars = CharSpan(run);
    QString hexText;
    QString charText;
    for (std::size_t p = hex.start; p < hex.start + hex.length; ++p) hexText += at(p);
    for (std::size_t p = chars.start; p < chars.start + chars.length; ++p) charText += at(p);
    const std::size_t firstByte = run.row * 16 + run.column;
    EXPECT_EQ(hexText.left(2), QString::number(0x41 + firstByte % 26, 16).toUpper());
    EXPECT_FALSE(hexText.endsWith(' ') || hexText.endsWith('-')) << hexText.toStdString();
    EXPECT_EQ(charText.size(), static_cast<qsizetype>(run.count));
    EXPECT_EQ(charText[0], QChar(char16_t(0x41 + firstByte % 26)));
  }
}

TEST(FieldByteRange, ConvertsOneBasedPositions) {
  EXPECT_EQ(FieldByteRange({"Data Length", "4", 14, 17})->first, 13u);
  EXPECT_EQ(FieldByteRange({"Data Length", "4", 14, 17})->last, 16u);
  EXPECT_FALSE(FieldByteRange({"x", "", 0, 3}));   // FirstPos below 1
  EXPECT_FALSE(FieldByteRange({"x", "", 5, 4}));   // LastPos below FirstPos
  EXPECT_FALSE(FieldByteRange({"x", "", -3, 4}));  // negative
}

TEST(HighlightScroll, CaretGoesAheadThenBack) {
  constexpr std::size_t visible = 8;
  // Row 10 from the top: the caret's move to line 15 scrolls so 15 is the last visible line,
  // its move back to line 10 is already visible.
  EXPECT_EQ(HighlightScrollTop(0, visible, 10), 15 - visible + 1);
  // Scrolled far down: line 15 is above, the view goes to it, then up to line 10.
  EXPECT_EQ(HighlightScrollTop(100, visible, 10), 10u);
  for (std::size_t s = 0; s <= 5; ++s) EXPECT_EQ(HighlightScrollTop(50, visible, s), 0u) << s;
  // Already visible with its five rows after it: nothing moves.
  EXPECT_EQ(HighlightScrollTop(8, visible, 9), 8u);
  // Rows that wrap to two lines each: rows 10 to 15 do not fit, row 10 ends up at the top.
  EXPECT_EQ(HighlightScrollTop(0, visible, 10, 2), 20u);
}

}  // namespace
}  // namespace qarnolog
