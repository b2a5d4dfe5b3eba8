// The packed packet store, the filter's lower-casing, the host's wide strings and time stamps.
#include "host/packet_store.h"

#include <gtest/gtest.h>

#include <cstdlib>  // setenv
#include <ctime>    // tzset

#include "host/time_stamp.h"
#include "host/wide_string.h"

namespace qarnolog {
namespace {

using namespace std::chrono;

constexpr QStringView kTime = u"24/12/16 09:05:07:042";

bool isLatin1(QAnyStringView text) {
  return text.visit([](auto view) { return std::is_same_v<decltype(view), QLatin1StringView>; });
}

TEST(FilterLowerCase, MapsLikeQString) {
  const char16_t* texts[] = {u"",
                             u"LOGIN Login login",
                             u"09:05:0 [A-Z]",
                             u"\u00C0\u00DE",
                             u"\u0421\u0435\u0440\u0432\u0415\u0420",
                             u"\u0130x",
                             u"A\u0000B"};
  for (const char16_t* text : texts) {
    const QStringView view(text);
    EXPECT_EQ(FilterLowerCase(view), view.toString().toLower());
  }
  QString reused = QStringLiteral("a much longer previous content");
  FilterLowerCase(u"AB", reused);
  EXPECT_EQ(reused, QStringLiteral("ab"));
}

TEST(PacketStore, KeepsBytesTextsAndNumbers) {
  PacketStore store;
  const std::uint8_t a[] = {1, 2, 0, 4};
  const std::uint8_t b[] = {9};
  EXPECT_EQ(store.appendParsed(7, a, kTime, {u"One", u"", u"NAME", QStringView(u"x\u0000y", 3)}),
            0u);
  EXPECT_EQ(store.appendUnparsed(b), 1u);
  EXPECT_EQ(store.appendUnparsed({}), 2u);
  EXPECT_EQ(store.appendParsed(0, b, kTime, {u"", u"", u"", u""}), 3u);
  ASSERT_EQ(store.size(), 4u);

  EXPECT_TRUE(std::ranges::equal(store.bytes(0), a));
  EXPECT_TRUE(std::ranges::equal(store.bytes(1), b));
  EXPECT_TRUE(store.bytes(2).empty());
  EXPECT_EQ(store.direction(0), 7);
  EXPECT_EQ(store.direction(1), 0);
  const std::uint32_t numbers[] = {1, 0, 0, 4};  // the index plus one, 0 when it did not parse
  for (std::uint32_t r = 0; r < 4; ++r) EXPECT_EQ(store.number(r), numbers[r]);
  EXPECT_EQ(store.timeText(0), kTime.toString());
  EXPECT_EQ(store.timeText(1), QString());
  EXPECT_EQ(store.colText(0, 0), u"One");
  EXPECT_EQ(store.colText(0, 1), u"");
  EXPECT_EQ(store.colText(0, 2), u"NAME");
  EXPECT_EQ(store.colText(0, 3), QStringView(u"x\u0000y", 3));
  EXPECT_EQ(store.colText(0, 4), u"");
  EXPECT_EQ(store.colText(1, 0), u"");
  EXPECT_EQ(store.filterText(0).toString(),
            kTime.toString() + QStringView(u" one  name x\u0000y", 14).toString());
  EXPECT_EQ(store.filterText(1).toString(), QString());
  EXPECT_EQ(store.filterText(3).toString(), kTime.toString() + QStringLiteral("    "));
}

TEST(PacketStore, FilterTextIsLatin1WhenItFitsElseUtf16) {
  PacketStore store;
  store.appendParsed(1, {}, kTime, {u"CAF\u00C9", u"", u"", u""});
  store.appendParsed(1, {}, kTime, {u"\u0421\u0415\u0420\u0412\u0415\u0420", u"", u"", u""});
  store.appendParsed(1, {}, kTime, {u"\u0130", u"", u"", u""});  // lower-cases to two units
  EXPECT_TRUE(isLatin1(store.filterText(0)));
  EXPECT_TRUE(store.filterText(0).toString().endsWith(u"caf\u00E9   "));
  EXPECT_TRUE(!isLatin1(store.filterText(1)));
  EXPECT_TRUE(store.filterText(1).toString().contains(u"\u0441\u0435\u0440\u0432\u0435\u0440"));
  EXPECT_EQ(store.filterText(2).toString(), kTime.toString() + u' ' +
                                                QStringView(u"\u0130").toString().toLower() +
                                                QStringLiteral("   "));
  for (std::uint32_t r = 0; r < 3; ++r) EXPECT_EQ(store.timeText(r), kTime.toString());
}

TEST(WideView, TakesTheLengthPrefixAndWholeUnitsOnly) {
  // Length prefix, then the units; the terminator is not what ends the text.
  alignas(4) std::uint16_t block[6] = {0, 0, u'a', 0, u'c', 0};
  const auto* text = reinterpret_cast<const QarnoLogWideChar*>(block + 2);
  const std::uint32_t lengths[] = {0, 1, 2, 5, 6};
  const qsizetype units[] = {0, 0, 1, 2, 3};
  for (std::size_t i = 0; i < std::size(lengths); ++i) {
    std::memcpy(block, &lengths[i], 4);
    EXPECT_EQ(WideView(text).size(), units[i]) << lengths[i];
  }
  EXPECT_TRUE(WideView(nullptr).isEmpty());
}

class TimeStampTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  static system_clock::time_point utc(int y, int mo, int d, int h, int mi, int s, int ms) {
    const auto date = sys_days(year(y) / month(unsigned(mo)) / day(unsigned(d)));
    return date + hours(h) + minutes(mi) + seconds(s) + milliseconds(ms);
  }
};

TEST_F(TimeStampTest, FormatsLocalTimeWithFixedSeparators) {
  TimeStampClock clock;
  struct Case {
    system_clock::time_point at;
    const char16_t* text;
  };
  const Case cases[] = {
      {utc(2016, 12, 24, 9,  5,  7,  42),  u"24/12/16 09:05:07:042"},
      {utc(2016, 12, 24, 9,  5,  7,  999), u"24/12/16 09:05:07:999"}, // same second, cached part
      {utc(2016, 12, 24, 9,  5,  8,  0),   u"24/12/16 09:05:08:000"}, // the next second
      {utc(2000, 1,  1,  23, 59, 59, 1),   u"01/01/00 23:59:59:001"},
      {utc(1969, 12, 31, 23, 59, 59, 999), u"31/12/69 23:59:59:999"}, // before the epoch
      {utc(2016, 12, 24, 9,  5,  7,  42),  u"24/12/16 09:05:07:042"}, // back again
  };
  for (const Case& c : cases) EXPECT_EQ(clock.at(c.at), QStringView(c.text));
  EXPECT_EQ(clock.now().size(), kTimeTextLength);
}

}  // namespace
}  // namespace qarnolog
