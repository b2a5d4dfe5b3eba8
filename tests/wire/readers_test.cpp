// Consuming readers: values, shortfalls, remove counts and the signed-count rule.
#include <gtest/gtest.h>

#include "wire/readers.h"

namespace qarnolog {
namespace {

struct FixedCase {
  ByteString bytes;
  int width;  // 1, 2, 4 or 8
  std::uint64_t expected;
  std::size_t left;  // bytes left after removing `width`
};

std::uint64_t ReadWidth(ByteView& view, int width) {
  switch (width) {
    case 1: return ReadByte(view, 1);
    case 2: return ReadWord(view, 2);
    case 4: return ReadDWord(view, 4);
    default: return ReadQWord(view, 8);
  }
}

TEST(Readers, FixedWidthValuesAndShortfalls) {
  const FixedCase cases[] = {
      {{0x80, 0x01}, 2, 0x8001, 0},
      {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}, 8, 0x0102030405060708, 0},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xAA}, 4, 0xFFFFFFFF, 1},
      {{0x05}, 2, 0x0500, 0},                    // one byte short: the last byte reads as 0
      {{0x01, 0x02, 0x03}, 4, 0x01020300, 0},    // one byte short
      {{0x01, 0x02}, 4, 0x01020000, 0},          // two short: every missing byte reads as 0
      {{0x07}, 8, 0x0700000000000000, 0},        // seven short
      {{}, 4, 0, 0},                             // empty reads as 0
      {{0xFE, 0x01}, 1, 0xFE, 1},
  };
  for (const FixedCase& c : cases) {
    ByteView view(c.bytes);
    EXPECT_EQ(ReadWidth(view, c.width), c.expected) << "width " << c.width;
    EXPECT_EQ(view.size(), c.left);
  }
}

TEST(Readers, RemoveCountIsIndependentOfWidth) {
  const ByteString bytes = {0x12, 0x34, 0x56, 0x78, 0x9A};
  ByteView view(bytes);
  EXPECT_EQ(ReadByte(view, 0), 0x12);  // peek
  EXPECT_EQ(view.size(), 5u);
  EXPECT_EQ(ReadWord(view, 3), 0x1234);  // drop a whole item at once
  EXPECT_EQ(view.size(), 2u);
  EXPECT_EQ(ReadDWord(view, 100), 0x789A0000u);  // larger than what remains: all removed
  EXPECT_TRUE(view.empty());
  EXPECT_FALSE(ReadBool(view, 1));
  const ByteString two = {0x02};
  ByteView one(two);
  EXPECT_TRUE(ReadBool(one, 1));
}

TEST(Readers, ReadBytesTakesAndRemoves) {
  const ByteString bytes = {1, 2, 3, 4, 5};
  ByteView view(bytes);
  const ByteView first = ReadBytes(view, 2, 2);
  EXPECT_EQ(ByteString(first.begin(), first.end()), (ByteString{1, 2}));
  const ByteView rest = ReadBytes(view, 10, 10);  // fewer remain: all of them
  EXPECT_EQ(ByteString(rest.begin(), rest.end()), (ByteString{3, 4, 5}));
  EXPECT_TRUE(view.empty());
  EXPECT_TRUE(ReadBytes(view, 1, 1).empty());
}

TEST(Readers, CountsOf0x80000000AndMoreTakeAndRemoveNothing) {
  const ByteString bytes = {1, 2, 3};
  for (const std::uint32_t length : {0x80000000u, 0xFFFFFFFFu}) {
    ByteView view(bytes);
    EXPECT_TRUE(ReadBytes(view, AsCount(length), AsCount(length)).empty());
    EXPECT_EQ(view.size(), 3u);
  }
  ByteView view(bytes);
  EXPECT_TRUE(ReadBytes(view, 0, 0).empty());
  EXPECT_EQ(view.size(), 3u);
}

}  // namespace
}  // namespace qarnolog
