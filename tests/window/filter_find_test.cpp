// The filter and find predicates.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "window/filter_find.h"
#include "window/row_visibility.h"

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

TEST(TextSearcher, AgreesWithStringViewFind) {
  std::mt19937 random(11);
  const std::string_view alphabet = "ab ";  // a small alphabet makes partial matches
  const auto text = [&](std::size_t length) {
    std::string out(length, 'a');
    for (char& c : out) c = alphabet[random() % alphabet.size()];
    return out;
  };
  for (int round = 0; round < 3000; ++round) {
    // Haystacks long and short around the 16- and 32-byte steps, each in a buffer of exactly
    // its size, so that a read past either end is a fault the sanitizers report.
    const std::string hay = text(static_cast<std::size_t>(random() % 90));
    const auto buffer = std::make_unique<char[]>(hay.size() + 1);
    std::copy(hay.begin(), hay.end(), buffer.get());
    const std::string needle = text(1 + static_cast<std::size_t>(random() % 7));
    const std::string sample = text(static_cast<std::size_t>(random() % 20));  // steers only
    const TextSearcher search(needle, sample);
    const std::size_t from = hay.empty() ? 0 : static_cast<std::size_t>(random()) % hay.size();
    const std::size_t expected = std::string_view(hay).find(needle, from);
    const char* found = search.find(buffer.get() + from, buffer.get() + hay.size());
    if (expected == std::string_view::npos) {
      EXPECT_EQ(found, nullptr) << hay << '|' << needle;
    } else {
      ASSERT_NE(found, nullptr) << hay << '|' << needle;
      EXPECT_EQ(static_cast<std::size_t>(found - buffer.get()), expected) << hay << '|' << needle;
    }
  }
  const std::string hay = "abc";
  EXPECT_EQ(TextSearcher("", "").find(hay.data(), hay.data() + hay.size()), nullptr);
  EXPECT_EQ(TextSearcher("abcd", "").find(hay.data(), hay.data() + hay.size()), nullptr);
  EXPECT_EQ(TextSearcher("c", "").find(hay.data() + 2, hay.data() + 2), nullptr);  // empty range
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

namespace qarnolog {
namespace {

TEST(VisibleRecords, FilterThenFindOverAStore) {
  PacketStore store;
  const auto add = [&](ByteString bytes, const char* text) {
    store.appendParsed(0, bytes, u"24/12/16 09:05:07:042", {QString(text), {}, {}, {}});
  };
  add({0x01, 0x0A}, "Login");                    // 0: ends with 0A ...
  add({0x0B, 0x02}, "login");                    // 1: ... and this starts with 0B: no match across
  add({}, "LOGIN");                              // 2: no bytes
  add({0x0A, 0x0B, 0x0A, 0x0B}, "other");        // 3
  store.appendUnparsed(ByteString{0x0A, 0x0B});  // 4: bytes only
  add({0x00, 0x0A, 0x0B}, "login");              // 5
  struct Case {
    const char* filter;
    bool negate;
    const char16_t* find;
    std::vector<std::uint32_t> rows;
  };
  const Case cases[] = {
      {"",      false, u"",      {0, 1, 2, 3, 4, 5}},
      {"login", false, u"",      {0, 1, 2, 5}      },
      {"login", true,  u"",      {3, 4}            }, // the unparsed row has no text: a negated filter shows it
      {"",      false, u"0a 0B", {3, 4, 5}         },
      {"login", false, u"0A0B",  {5}               },
      {"",      false, u"0A0",   {}                }, // an invalid hex text hides every row
      {"",      false, u"0G",    {}                },
      {"",      false, u"0B",    {1, 3, 4, 5}      },
  };
  for (const Case& c : cases) {
    const FilterTest filter(QString(c.filter), c.negate);
    const FindTest find(QString::fromUtf16(c.find), true);
    EXPECT_EQ(VisibleRecords(store, filter, find), c.rows) << c.filter << c.negate;
    for (std::uint32_t r = 0; r < store.size(); ++r) {
      const bool shown = std::find(c.rows.begin(), c.rows.end(), r) != c.rows.end();
      EXPECT_EQ(RecordPasses(store, r, filter, find), shown) << c.filter << " row " << r;
    }
  }
}

TEST(VisibleRecords, FilterMatchAcrossTwoRowsTextsCountsForNeither) {
  // Stored back to back, the rows' texts read " q..q   xa" "bcd q..q    " " q..q   xa"
  // "bc q..q    ": "abc" and "xab" run from one row's text into the next. The filler makes the
  // texts long enough for the searcher's widest steps.
  PacketStore store;
  const QString q(20, u'q');
  store.appendParsed(0, {}, u"", {q, {}, {}, QStringLiteral("xA")});  // 0
  store.appendParsed(0, {}, u"BCd", {q, {}, {}, {}});                 // 1
  store.appendParsed(0, {}, u"", {q, {}, {}, QStringLiteral("xa")});  // 2
  store.appendParsed(0, {}, u"bc", {q, {}, {}, {}});                  // 3
  struct Case {
    const char* filter;
    bool negate;
    std::vector<std::uint32_t> rows;
  };
  const Case cases[] = {
      {"abc", false, {}          }, // across rows 0 and 1, and across 2 and 3
      {"abc", true,  {0, 1, 2, 3}},
      {"xab", false, {}          },
      {"xa",  false, {0, 2}      },
      {"xa",  true,  {1, 3}      },
      {"bc",  false, {1, 3}      },
      {"bcd", false, {1}         },
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VisibleRecords(store, FilterTest(QString(c.filter), c.negate), FindTest()), c.rows)
        << c.filter << c.negate;
  }
}

TEST(VisibleRecords, FilterOverLatin1AndUtf16RowsAgreesWithEachRowsTest) {
  // Rows of Latin-1 texts with UTF-16 rows and rows that do not parse among them, enough of them
  // to fill more than one chunk of the store's filter texts; the result must be that of testing
  // each row's text on its own.
  PacketStore store;
  std::mt19937 random(5);
  const char16_t letters[] = {u'a', u'b',      u'A',
                              u' ', u'\u00E9', u'\u0431'};  // the last needs UTF-16
  const auto word = [&](std::size_t length, bool wide) {
    QString out;
    for (std::size_t i = 0; i < length; ++i) out += QChar(letters[random() % (wide ? 6 : 5)]);
    return out;
  };
  constexpr std::uint32_t kRows = 30000;
  for (std::uint32_t r = 0; r < kRows; ++r) {
    const auto kind = random() % 16;
    if (kind == 0) {
      store.appendUnparsed(ByteString{0x01});
    } else {
      const bool wide = kind == 1;
      store.appendParsed(0, {}, u"24/12/16 09:05:07:042",
                         {word(random() % 12, wide), word(random() % 12, false),
                          word(random() % 12, false), QString()});
    }
  }
  // "a 24/" is only ever found across two rows: a row's text ends with its last column and a
  // space, the next begins with its time.
  const char16_t* const patterns[] = {u"a",    u"ab",   u"bab", u"a a",     u"\u00E9b", u"ba",
                                      u"abab", u"aba ", u"2 a", u"\u0431a", u"a 24/"};
  for (const char16_t* pattern : patterns) {
    for (const bool negate : {false, true}) {
      const FilterTest filter(FilterLowerCase(QString::fromUtf16(pattern)), negate);
      std::vector<std::uint32_t> expected;
      for (std::uint32_t r = 0; r < store.size(); ++r) {
        if (filter.passes(store.filterText(r))) expected.push_back(r);
      }
      EXPECT_EQ(VisibleRecords(store, filter, FindTest()), expected)
          << QString::fromUtf16(pattern).toStdString() << negate;
    }
  }
}

TEST(VisibleRecords, EmptyPacketsBeforeAndBetweenOthers) {
  // The first bytes stored start the arena, where an empty record's location also points.
  PacketStore store;
  store.appendUnparsed({});
  store.appendUnparsed(ByteString{0x0A, 0x0B});
  store.appendUnparsed({});
  store.appendUnparsed(ByteString{0x0B, 0x0A, 0x0B});
  const std::vector<std::uint32_t> rows{1, 3};
  EXPECT_EQ(VisibleRecords(store, FilterTest(), FindTest("0A0B", true)), rows);
}

}  // namespace
}  // namespace qarnolog
