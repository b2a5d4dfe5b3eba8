// The filter and find predicates.
#include <gtest/gtest.h>

#include <random>

#include "window/filter_find.h"

namespace qarnolog {
namespace {

TEST(Trim, RemovesSpacesAndControlsAtBothEnds) {
  EXPECT_EQ(TrimControls(u"\t a b \r\n"), u"a b");
  EXPECT_EQ(TrimControls(u"   "), u"");
  EXPECT_EQ(TrimControls(u"\u00A0x"), u"\u00A0x");  // a no-break space is above U+0020
}

TEST(FilterTest, SubstringOfLoweredText) {
  const QString row = "24/12/16 09:05:07:042 user login qarno_bex_com_cli_login ";
  struct Case {
    const char* pattern;  // already lower-cased
    bool negate;
    bool passes;
  };
  const Case cases[] = {
      {"login",       false, true },
      {"login",       true,  false},
      {"logout",      false, false},
      {"logout",      true,  true },
      {"   ",         false, true },
      {"   ",         true,  true }, // spaces only
      {" 09:05:0 ",   false, true }, // trimmed; matches the time
      {"user  login", false, false}, // inner spaces count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterTest(c.pattern, c.negate).passes(row), c.passes) << c.pattern << c.negate;
  }
  // The same rows stored as Latin-1, as the store keeps texts that fit it.
  const QByteArray latin1 = row.toLatin1();
  for (const Case& c : cases) {
    EXPECT_EQ(FilterTest(c.pattern, c.negate).passes(QLatin1StringView(latin1)), c.passes)
        << c.pattern << c.negate;
  }
  // A Cyrillic pattern in a UTF-16 text, and never in a Latin-1 one.
  EXPECT_TRUE(FilterTest(QString::fromUtf16(u"\u0432\u0445\u043E\u0434"), false)
                  .passes(u"\u0432\u0445\u043E\u0434 ok"));
  EXPECT_FALSE(
      FilterTest(QString::fromUtf16(u"\u0432\u0445"), false).passes(QLatin1StringView("abc")));
  EXPECT_TRUE(FilterTest(QString::fromUtf16(u"\u00e9t\u00e9"), false)
                  .passes(QLatin1StringView("\xe9t\xe9")));
  // A row that does not parse has an empty filter text.
  EXPECT_FALSE(FilterTest("a", false).passes(QLatin1StringView("")));
  EXPECT_TRUE(FilterTest("a", true).passes(QLatin1StringView("")));
}

TEST(ByteSearcher, AgreesWithStdSearch) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 3);  // a small alphabet makes partial matches
  for (int round = 0; round < 2000; ++round) {
    ByteString hay(static_cast<std::size_t>(random() % 40));
    for (auto& b : hay) b = static_cast<std::uint8_t>(byte(random));
    ByteString needle(1 + static_cast<std::size_t>(random() % 9));
    for (auto& b : needle) b = static_cast<std::uint8_t>(byte(random));
    const auto expected = std::search(hay.begin(), hay.end(), needle.begin(), needle.end());
    const auto found = ByteSearcher(needle).find(hay);
    if (expected == hay.end()) {
      EXPECT_FALSE(found);
    } else {
      ASSERT_TRUE(found);
      EXPECT_EQ(*found, static_cast<std::size_t>(expected - hay.begin()));
    }
  }
  EXPECT_FALSE(ByteSearcher(ByteString{}).find(ByteString{1, 2}));
}

TEST(FindTest, PatternsFromTheEdit) {
  struct Case {
    const char16_t* text;
    bool hex;
    bool active;
    ByteString pattern;
  };
  const Case cases[] = {
      {u"0a 0B",        true,  true,  {0x0A, 0x0B}      },
      {u" 0a0b ",       true,  true,  {0x0A, 0x0B}      },
      {u"0A0",          true,  true,  {}                }, // odd number of digits
      {u"0G",           true,  true,  {}                }, // not a hex digit
      {u"0A\t0B",       true,  true,  {}                }, // only U+0020 is removed
      {u"   ",          true,  false, {}                }, // nothing to find
      {u"",             false, false, {}                },
      {u" abc ",        false, true,  {0x61, 0x62, 0x63}},
      {u"\u0410\u20AC", false, true,  {0xC0, 0x88}      }, // Windows-1251
      {u"\u4E2D",       false, true,  {'?'}             }, // not in the code page
  };
  for (const Case& c : cases) {
    const FindTest find(QString::fromUtf16(c.text), c.hex);
    EXPECT_EQ(find.active(), c.active) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(find.pattern(), c.pattern) << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(FindTest, RowsAndFirstMatch) {
  const ByteString lower{0x00, 0x61, 0x62, 0x63, 0x61, 0x62, 0x63};
  const ByteString upper{0x00, 0x41, 0x42, 0x43};
  const FindTest plain("abc", false);
  EXPECT_TRUE(plain.passes(lower));
  EXPECT_FALSE(plain.passes(upper));  // case-sensitive
  EXPECT_EQ(plain.firstMatch(lower)->first, 1u);
  EXPECT_EQ(plain.firstMatch(lower)->last, 3u);
  EXPECT_FALSE(plain.firstMatch(upper));
  // An invalid hex text hides every row; an empty one shows them all and marks nothing.
  EXPECT_FALSE(FindTest("0G", true).passes(lower));
  EXPECT_TRUE(FindTest("", true).passes(lower));
  EXPECT_FALSE(FindTest("", true).firstMatch(lower));
  EXPECT_TRUE(FindTest("63 61", true).passes(lower));
}

}  // namespace
}  // namespace qarnolog
