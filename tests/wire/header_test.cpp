// BEX header parse and the extension-type scan.
#include <gtest/gtest.h>

#include "wire/ext_type.h"
#include "wire/header.h"

namespace qarnolog {
namespace {

ByteString Header(std::uint32_t dataLength, std::uint8_t id = 0x2A) {
  return {id,   0x00, 0x00, 0x00, 0x01,  // Seq 1
          0x10, 0x00, 0x00, 0x01,        // type 0x1000, sub 0x0001
          0x00, 0x00, 0xAB, 0xCD,        // RequestId
          static_cast<std::uint8_t>(dataLength >> 24), static_cast<std::uint8_t>(dataLength >> 16),
          static_cast<std::uint8_t>(dataLength >> 8), static_cast<std::uint8_t>(dataLength)};
}

TEST(ParseBexHeader, SizesAroundTheHeaderAndData) {
  struct Case {
    std::uint32_t dataLength;
    std::size_t extra;  // bytes after the 17-byte header
    bool parses;
  };
  const Case cases[] = {
      {0, 0, true},            // exactly 17 bytes
      {3, 3, true},            // 17 + DataLength
      {3, 8, true},            // trailing bytes are not data
      {3, 2, false},           // data cut short
      {0x80000000u, 4, false}, // huge length compared unsigned
      {0xFFFFFFFFu, 0, false},
  };
  for (const Case& c : cases) {
    ByteString packet = Header(c.dataLength);
    for (std::size_t i = 0; i < c.extra; ++i) packet.push_back(static_cast<std::uint8_t>(i + 1));
    TQarnoHeader header;
    EXPECT_EQ(ParseBexHeader(packet, header), c.parses) << c.dataLength << "+" << c.extra;
    EXPECT_EQ(header.DataLength, c.dataLength);  // filled in even when the data is short
    EXPECT_EQ(header.BexType, 0x1000);
    EXPECT_EQ(header.RequestId, 0xABCDu);
    EXPECT_EQ(header.Data.size(), c.parses ? c.dataLength : 0u);
  }
}

TEST(ParseBexHeader, SixteenBytesLeaveTheHeaderUntouched) {
  ByteString packet = Header(0);
  packet.pop_back();
  TQarnoHeader header;
  header.Seq = 77;
  EXPECT_FALSE(ParseBexHeader(packet, header));
  EXPECT_EQ(header.Seq, 77u);
}

TEST(ParseBexHeader, AnyIdentifierByteParses) {
  for (const std::uint8_t id : {0x00, 0x2A, 0xFF}) {
    TQarnoHeader header;
    EXPECT_TRUE(ParseBexHeader(Header(0, id), header));
    EXPECT_EQ(header.Id, id);
    EXPECT_EQ(header.Seq, 1u);
  }
}

TEST(FindExtType, ScansWtldsForTypeOne) {
  struct Case {
    ByteString data;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {{0, 0, 0, 1, 0, 0, 0, 2, 0x00, 0x02}, 2},
      {{0, 0, 0, 9, 0, 0, 0, 1, 0xEE, 0, 0, 0, 1, 0, 0, 0, 2, 0x00, 0x01}, 1},  // second wTLD
      {{0, 0, 0, 1, 0, 0, 0, 0, 0x00, 0x02}, 2},  // length ignored for type 1
      {{0, 0, 0, 9, 0, 0, 0, 2, 0x00, 0x02}, 0},  // no type-1 wTLD
      {{}, 0},
      {{0, 0, 0, 1, 0, 0, 0}, 0},                 // header cut off: no match
      {{0, 0, 0, 1, 0, 0, 0, 2}, 0},              // no value bytes read as 0
      {{0, 0, 0, 9, 0x80, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0x00, 0x05}, 5},  // huge length
  };
  for (const Case& c : cases) EXPECT_EQ(FindExtType(c.data), c.expected);
}

}  // namespace
}  // namespace qarnolog
