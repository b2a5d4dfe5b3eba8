// UD, UA, FT and TP BEXs: the user details numbered anew per BEX, the names that select a name
// table, the wide numbers of file transfer and the transports list.
#include <clocale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bex_packet.h"
#include "dissector/tree_format.h"
#include "vocabulary/name_tables.h"

namespace qarnolog::test {
namespace {

constexpr std::uint16_t kUd = 0x0005;
constexpr std::uint16_t kUa = 0x0006;
constexpr std::uint16_t kFt = 0x0007;
constexpr std::uint16_t kTp = 0x0008;

class UdUaFtTpTest : public ::testing::Test {
 protected:
  void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Every display name of these families that selects a code table: a name written differently
// from the selection list would silently show the bare number instead.
TEST_F(UdUaFtTpTest, NamesThatSelectATableShowConstants) {
  // clang-format off
  const SelectingCase cases[] = {
      {kUd, 0x0004, 0x0001, 2, "Details result code",                   NameTable::DetailsResultCode},
      {kUd, 0x0006, 0x0001, 2, "Update details result code",            NameTable::UpdateDetailsResultCode},
      {kUd, 0x0008, 0x0001, 2, "Search result code",                    NameTable::SearchResultCode},
      {kUd, 0x000A, 0x0001, 2, "Update security result code",           NameTable::UpdateSecurityResultCode},
      {kUa, 0x0004, 0x0001, 2, "Avatar request result code",            NameTable::AvatarRequestResultCode},
      {kUa, 0x0006, 0x0001, 2, "Avatar set result code",                NameTable::AvatarSetResultCode},
      {kFt, 0x0004, 0x0003, 2, "FT reply code",                         NameTable::FtReplyCode},
      {kFt, 0x0005, 0x0003, 2, "FT control code",                       NameTable::FtControlCode},
      {kFt, 0x0101, 0x0003, 2, "FT error code",                         NameTable::FtErrorCode},
      {kTp, 0x0005, 0x0002, 2, "Transport settings update result code", NameTable::TransportSettingsUpdateResultCode},
      {kTp, 0x0006, 0x0002, 2, "Connection managing code",              NameTable::ConnectionManagingCode},
      {kTp, 0x0006, 0x0003, 4, "Presence status",                       NameTable::PresenceStatus},
      {kTp, 0x0007, 0x0002, 2, "Transport state code",                  NameTable::TransportStateCode},
  };
  // clang-format on
  for (const SelectingCase& c : cases) ExpectSelectsTable(c);
}

// The same field at different wTLD types in the details reply, the update and the search.
TEST_F(UdUaFtTpTest, UserDetailsAreNumberedPerBex) {
  constexpr std::uint64_t kNewYear2020 = 0x5E0BE100;  // 2020-01-01 00:00:00 UTC
  // clang-format off
  const std::vector<ShownCase> cases = {
      {kUd, 0x0004, 0x000F, Be(0, 8),            "Birthday=Not set / 12/30/99"},
      {kUd, 0x0004, 0x000F, Be(kNewYear2020, 8), "Birthday=01/01/20"},
      {kUd, 0x0005, 0x000D, Be(kNewYear2020, 8), "Birthday=01/01/20"},
      {kUd, 0x0005, 0x000F, Ascii("me"),         "About=me"},
      {kUd, 0x0004, 0x0011, Ascii("me"),         "About=me"},
      {kUd, 0x0004, 0x0007, {0x00, 0xF6},        "Country=246"},
      {kUd, 0x0005, 0x0005, {0x00, 0xF6},        "Country=246"},
      {kUd, 0x0007, 0x0006, {0x00, 0xF6},        "Country=246"},
      {kUd, 0x0004, 0x000E, {0x02},              "Gender=2"},
      {kUd, 0x0005, 0x000C, {0x02},              "Gender=2"},
      {kUd, 0x0007, 0x0009, {0x02},              "Gender=2"},
      {kUd, 0x0008, 0x0006, {0x02},              "Gender=2"},
      {kUd, 0x0004, 0x0019, {0x01},              "Don't show status in search=True"},
      {kUd, 0x0005, 0x0017, {0x01},              "Don't show status in search=True"},
      {kUd, 0x0004, 0x001C, Ascii("boss"),       "Position=boss"},
      {kUd, 0x0005, 0x001A, Ascii("boss"),       "Position=boss"},
      // The update has no wTLD 0x001B or 0x001C.
      {kUd, 0x0005, 0x001B, Ascii("boss"),       "Unknown"},
      {kUd, 0x0004, 0x0003, Ascii("a@b"),        "Secure email=a@b"},
      {kUd, 0x0007, 0x0002, Ascii("a@b"),        "Email=a@b"},
      {kUd, 0x0007, 0x000E, {},                  "wTLD (0x0000000E) - Online only"},
      {kUd, 0x0007, 0x000C, {0x07},              "Zodiac sign=7"},
      {kUd, 0x0008, 0x0007, {0x21},              "Age=33"},
      {kUd, 0x0008, 0x000B, Be(0x00010000, 4),   "Status picture flags and index=[Index=0], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]"},
      {kUd, 0x0003, 0x1001, Be(3, 4),            "TranspID=3"},
      {kUd, 0x0009, 0x0004, Ascii("secret"),     "New password=secret"},
      {kUd, 0x0002, 0x0006, Ascii("http://p"),   "Secure email/password change URL=http://p"},
  };
  // clang-format on
  for (const ShownCase& c : cases) ExpectShown(c);
}

TEST_F(UdUaFtTpTest, ValuesShowByTheirKind) {
  // clang-format off
  const std::vector<ShownCase> cases = {
      {kUd, 0x0004, 0x0001, Be(0, 2),          "Details result code=DETAILS_RES_SUCCESS"},
      {kUa, 0x0002, 0x0002, Be(0, 16),         "Current avatar file hash"},
      {kUa, 0x0005, 0x0002, Ascii("PNG"),      "Afatar file data"},
      {kUa, 0x0003, 0x1001, Be(5, 4),          "TranspID=5"},
      {kFt, 0x0003, 0x0004, Be(~0ULL, 8),      "Total size=18446744073709551615"},
      {kFt, 0x0003, 0x0002, Be(1, 8),          "FT Unique ID=1"},
      {kFt, 0x0003, 0x0006, Ascii("10.0.0.1"), "Client's IP=10.0.0.1"},
      {kFt, 0x0005, 0x0003, Be(6, 2),          "FT control code=FT_CONTROL_CODE_READY"},
      {kFt, 0x0104, 0x0003, Be(4096, 8),       "Resume postion=4096"},
      {kFt, 0x0105, 0x0004, {0x01},            "Last part of file=True"},
      {kFt, 0x0105, 0x0005, Ascii("bytes"),    "File data"},
      {kFt, 0x0102, 0x0003, {0x01},            "Unknown"},
      {kFt, 0x0002, 0x0007, Ascii("proxy"),    "File proxy server host/IP=proxy"},
      // The password is shown as the Base64 text it is, not decoded.
      {kTp, 0x0004, 0x0002, Ascii("cGFzcw=="), "Base64 encoded UTF-8 password=cGFzcw=="},
      {kTp, 0x0007, 0x0002, Be(6, 2),          "Transport state code=TP_STATE_WRONG_PASSWORD"},
      {kTp, 0x0008, 0x0003, {0x00},            "IsWarning=False"},
      {kTp, 0x0003, 0x0002, Ascii("opts"),     "Available options array"},
      {kTp, 0x0009, 0x0002, Be(0, 16),         "Avatar file hash"},
  };
  // clang-format on
  for (const ShownCase& c : cases) ExpectShown(c);
}

// A 2048-byte avatar: a value node without text spanning the whole declared length.
TEST_F(UdUaFtTpTest, AvatarDataSpansItsBytes) {
  constexpr std::int32_t kSize = 2048;
  constexpr std::int32_t kValueStart = 18 + 8;
  const ByteString packet = BexPacket(kUa, 0x0004, WtldBytes(0x0003, ByteString(kSize, 0x89)));
  const FieldTree tree = Dissect(packet);
  const NodeId value = tree.child(tree.child(DataNode(tree), 0), 1);
  EXPECT_EQ(tree.data(value).Name, "Afatar file data");
  EXPECT_EQ(tree.data(value).Value, "");
  EXPECT_EQ(tree.data(value).FirstPos, kValueStart);
  EXPECT_EQ(tree.data(value).LastPos, kValueStart + kSize - 1);
}

// The transports reply: "Max transports count per account" (4 bytes at 18), the transports
// wTLD of length 31 at 30 (count 1, one transport of 16 UUID bytes 00..0F, sTLD list length 7
// holding sTLD 0x0001 "ABC"), and an empty wTLD 0x0003 that the table does not hold at 69.
TEST_F(UdUaFtTpTest, TransportsListPositions) {
  ByteString uuid;
  for (std::uint8_t i = 0; i < 16; ++i) uuid.push_back(i);
  const ByteString info = StldBytes(0x0001, Ascii("ABC"));
  const ByteString transports = Cat(Be(1, 4), uuid, Be(info.size(), 4), info);
  const ByteString data =
      Cat(WtldBytes(0x0001, Be(8, 4)), WtldBytes(0x0002, transports), WtldBytes(0x0003, {}));
  const FieldTree tree = Dissect(BexPacket(kTp, 0x0002, data));
  EXPECT_EQ(FormatTreeText(tree),
            "QARNO_BEX_TP_SRV_PARAMS_REPLY [1-76]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=1 [2-5]\n"
            "  Bex Type=0x0008 [6-7]\n"
            "  Bex Sub=0x0002 [8-9]\n"
            "  Request ID=0x00000000 [10-13]\n"
            "  Data Length=59 [14-17]\n"
            "  Data [18-76]\n"
            "    wTLD (0x00000001) [18-21]\n"
            "      Length=4 [22-25] mark=1\n"
            "      Max transports count per account=8 [26-29]\n"
            "    wTLD (0x00000002) [30-33]\n"
            "      Length=31 [34-37] mark=1\n"
            "      Transports data [38-68]\n"
            "        Items count=1 [38-41]\n"
            "        ABC [42-68] mark=2\n"
            "          UUID=000102030405060708090A0B0C0D0E0F [42-57]\n"
            "          Length=7 [58-61] mark=1\n"
            "          sTLDs [62-68]\n"
            "            sTLD (0x0001) [62-63]\n"
            "              Length=3 [64-65] mark=1\n"
            "              Transport full name=ABC [66-68]\n"
            "    wTLD (0x00000003) - Unknown [69-72]\n"
            "      Length=0 [73-76] mark=1\n");
  for (NodeId node = 0; node < tree.size(); ++node) {
    EXPECT_EQ(tree.expanded(node), tree.childCount(node) != 0) << tree.data(node).Name;
  }
}

TEST_F(UdUaFtTpTest, SubTypesWithoutTableShowAnEmptyData) {
  // clang-format off
  const TypeAndSub cases[] = {
      {kUd, 0x0001}, {kUd, 0x000B},
      {kUa, 0x0001}, {kUa, 0x0007},
      // File transfer has no sub-types between the negotiation and the file-data connection.
      {kFt, 0x0001}, {kFt, 0x0006}, {kFt, 0x0100}, {kFt, 0x0106},
      {kTp, 0x0001}, {kTp, 0x000A},
  };
  // clang-format on
  for (const TypeAndSub& c : cases) ExpectEmptyData(c);
}

}  // namespace
}  // namespace qarnolog::test
