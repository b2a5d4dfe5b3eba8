// Hex, date-time and text conversions.
#include <gtest/gtest.h>

#include <clocale>

#include "wire/datetime.h"
#include "wire/hex.h"
#include "wire/text.h"

namespace qarnolog {
namespace {

TEST(Hex, BytesToHexAndBack) {
  EXPECT_EQ(BytesToHex(ByteString{0x00, 0xFF, 0x1A}), "00FF1A");
  EXPECT_EQ(BytesToHex(ByteString{}), "");
  EXPECT_EQ(HexToBytes("0a1B"), (ByteString{0x0A, 0x1B}));
  for (const char* bad : {"", "ABC", "0G", "0x12", "0 12 "}) {
    EXPECT_TRUE(HexToBytes(bad).empty()) << bad;
  }
  EXPECT_EQ(HexDigits(0xABCD, 8), "0000ABCD");
}

TEST(DateTime, UnixTimeToDateTime) {
  EXPECT_EQ(UnixTimeToDateTime(0), kDateTimeZero);
  EXPECT_DOUBLE_EQ(UnixTimeToDateTime(86400), 25570.0);
  const CivilDateTime one = DateTimeToCivil(UnixTimeToDateTime(1));
  EXPECT_EQ(one.year, 1970);
  EXPECT_EQ(one.second, 1u);
  struct Case {
    std::int64_t seconds;
    int year;
    unsigned month, day, hour, minute, second;
  };
  const Case cases[] = {
      {-1, 1969, 12, 31, 23, 59, 59},
      {1600000000, 2020, 9, 13, 12, 26, 40},
      {-62135596800, 1, 1, 1, 0, 0, 0},        // the earliest moment
      {-2209248000 + 6 * 3600, 1899, 12, 29, 6, 0, 0},  // before the date-time zero
      {253402300799, 9999, 12, 31, 23, 59, 59},
  };
  for (const Case& c : cases) {
    const CivilDateTime t = DateTimeToCivil(UnixTimeToDateTime(c.seconds));
    EXPECT_EQ(t.year, c.year) << c.seconds;
    EXPECT_EQ(t.month, c.month) << c.seconds;
    EXPECT_EQ(t.day, c.day) << c.seconds;
    EXPECT_EQ(t.hour, c.hour) << c.seconds;
    EXPECT_EQ(t.minute, c.minute) << c.seconds;
    EXPECT_EQ(t.second, c.second) << c.seconds;
  }
  for (const std::int64_t outOfRange : {std::int64_t{-62135596801}, std::int64_t{253402300800},
                                        INT64_MIN, INT64_MAX}) {
    EXPECT_EQ(UnixTimeToDateTime(outOfRange), kDateTimeZero) << outOfRange;
  }
}

TEST(Text, Windows1251AndUtf8) {
  EXPECT_EQ(Cp1251ToUtf8(ByteString{0x41, 0xC0, 0xFF, 0xA8}), "A\u0410\u044F\u0401");
  EXPECT_EQ(Utf8ToCp1251("b\u0410\u20AC\u4E2D"), (ByteString{0x62, 0xC0, 0x88, '?'}));
  EXPECT_EQ(DecodeUtf8(ByteString{'a', 0xF0, 0x9F, 0x98, 0x80}), "a\U0001F600");
  EXPECT_EQ(DecodeUtf8(ByteString{'a', 0xC3}), "a\uFFFD");             // truncated
  EXPECT_EQ(DecodeUtf8(ByteString{0xC0, 0xAF, 'b'}), "\uFFFD\uFFFDb");  // overlong
  EXPECT_EQ(DecodeUtf8(ByteString{0xED, 0xA0, 0x80}), "\uFFFD\uFFFD\uFFFD");  // surrogate
}

TEST(Text, CaseMappingByLocale) {
  std::setlocale(LC_CTYPE, "C.UTF-8");
  EXPECT_EQ(LowerCaseText("LoGiN 09:05"), "login 09:05");
  EXPECT_EQ(UpperCaseText("0a1b"), "0A1B");
  EXPECT_EQ(LowerCaseText("\u0421\u0415\u0420\u0412\u0415\u0420"), "\u0441\u0435\u0440\u0432\u0435\u0440");
  EXPECT_EQ(LowerCaseText(""), "");
  std::setlocale(LC_CTYPE, "C");
}

}  // namespace
}  // namespace qarnolog
