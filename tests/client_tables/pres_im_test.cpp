// PRES and IM BEXs: display names that select a name table or a composite text, kinds that
// differ between sibling BEXs, list-like values shown as one wTLD.
#include <clocale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bex_packet.h"
#include "vocabulary/name_tables.h"

namespace qarnolog::test {
namespace {

constexpr std::uint16_t kPres = 0x0003;
constexpr std::uint16_t kIm = 0x0004;

class PresImTest : public ::testing::Test {
 protected:
  void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Every display name of these families that selects a code table: a name written differently
// from the selection list would silently show the bare number instead.
TEST_F(PresImTest, NamesThatSelectATableShowConstants) {
  // clang-format off
  const SelectingCase cases[] = {
      {kPres, 0x0003, 0x0002, 2, "Client type",     NameTable::ClientType},
      {kPres, 0x0004, 0x0001, 4, "Presence status", NameTable::PresenceStatus},
      {kPres, 0x0006, 0x0002, 4, "Presence status", NameTable::PresenceStatus},
      {kPres, 0x0006, 0x0007, 2, "Client type",     NameTable::ClientType},
      {kIm,   0x0006, 0x0003, 4, "Msg type",        NameTable::MsgType},
      {kIm,   0x0006, 0x0006, 4, "Encryption type", NameTable::EncryptionType},
      {kIm,   0x0007, 0x0003, 4, "Msg type",        NameTable::MsgType},
      {kIm,   0x0007, 0x0006, 4, "Encryption type", NameTable::EncryptionType},
      {kIm,   0x0009, 0x0002, 4, "Notify type",     NameTable::NotifyType},
      {kIm,   0x0009, 0x0003, 4, "Notify value",    NameTable::NotifyValue},
      {kIm,   0x000B, 0x0002, 4, "Encryption type", NameTable::EncryptionType},
  };
  // clang-format on
  for (const SelectingCase& c : cases) ExpectSelectsTable(c);
}

// Names whose text comes from a composite renderer although their kind is NO_VALUE or
// DWORD_DEC, and the 32-bit codes whose whole value counts.
TEST_F(PresImTest, CompositeAndWideCodes) {
  const ByteString clientVer = {0x00, 0x02, 0x00, 0x00, 0x00, 0x0A, 0x01, 0x00};
  const ByteString caps = {0x00, 0x01, 0x00, 0x06, 0x00, 0x0B};
  const std::string requiredFlags = RequiredOptionalClientFlagsText(1);
  ASSERT_FALSE(requiredFlags.empty());
  // clang-format off
  const std::vector<ShownCase> cases = {
      {kPres, 0x0006, 0x0009, clientVer,   "Client ver=2.0.10.256"},
      {kPres, 0x0006, 0x0006, caps,        "Client caps=CAP_MSGS_UTF8, CAP_AVATARS, UNK_000B"},
      {kPres, 0x0003, 0x0004, clientVer,   "Client ver=2.0.10.256"},
      {kPres, 0x0003, 0x0001, caps,        "Client caps=CAP_MSGS_UTF8, CAP_AVATARS, UNK_000B"},
      {kPres, 0x0004, 0x0001, Be(0xFFFF, 4), "Presence status=PRES_STATUS_OFFLINE"},
      // All 32 bits count: FFFFFFFF is not the offline status 0000FFFF.
      {kPres, 0x0004, 0x0001, Be(0xFFFFFFFF, 4), "Presence status=UNKNOWN"},
      // No known flag: the flags set gives nothing and the consumed value reads as 0.
      {kPres, 0x0003, 0x0008, Be(0x10, 4), "Client flags=0"},
      {kPres, 0x0002, 0x0005, Be(1, 4),    "Required optional client flags=" + requiredFlags},
      {kIm,   0x0006, 0x0003, Be(1, 4),    "Msg type=MSG_TYPE_UTF8"},
  };
  // clang-format on
  for (const ShownCase& c : cases) ExpectShown(c);
}

TEST_F(PresImTest, ValuesShowByTheirKind) {
  // clang-format off
  const std::vector<ShownCase> cases = {
      // The client's message shows as text, the server's only in the dump.
      {kIm,   0x0006, 0x0004, Ascii("hello"), "Msg data=hello"},
      {kIm,   0x0007, 0x0004, Ascii("hello"), "Msg data"},
      {kIm,   0x0006, 0x0001, Ascii("ann"),   "To account=ann"},
      {kIm,   0x0007, 0x0001, Ascii("bob"),   "From account=bob"},
      {kIm,   0x0007, 0x0005, {},             "wTLD (0x00000005) - Ack required"},
      {kIm,   0x0007, 0x000A, {0x03},         "System message popup window position=3"},
      {kIm,   0x0007, 0x0008, Be(1, 8),       "Offline msg sent time=01/01/70 00:00:01 UTC"},
      {kIm,   0x0008, 0x1001, Be(2, 4),       "TranspID=2"},
      // The key request holds the account alone.
      {kIm,   0x000A, 0x1001, Be(2, 4),       "Unknown"},
      {kIm,   0x000C, 0x0001, Ascii("list"),  "Accounts sTLDs"},
      {kIm,   0x000C, 0x0002, Ascii("hi all"), "Message Text=hi all"},
      {kIm,   0x0002, 0x0004, {0x01},         "Fast multiple messages=True"},
      {kPres, 0x0006, 0x0011, {0x05},         "Custom transport status picture ID=5"},
      {kPres, 0x0006, 0x000B, Be(1, 8),       "Registration date=01/01/70 00:00:01 UTC"},
      {kPres, 0x0006, 0x1001, Be(4, 4),       "TranspID=4"},
      {kPres, 0x0009, 0x0064, Be(0, 16),      "QARNO client presence item ARRAY"},
      // A gap between 0x0008 and 0x0064.
      {kPres, 0x0009, 0x0009, {0x01},         "Unknown"},
      {kPres, 0x0009, 0x0007, Be(3, 2),       "Signed on instances count=3"},
      {kPres, 0x000A, 0x0002, {0x01},         "New mail received=True"},
      // The two requests that carry only a transport ID.
      {kPres, 0x0008, 0x1001, Be(9, 4),       "TranspID=9"},
      {kPres, 0x000B, 0x1001, Be(9, 4),       "TranspID=9"},
      {kPres, 0x000B, 0x0001, Ascii("x"),     "Unknown"},
      {kPres, 0x000C, 0x0001, Ascii("http://m"), "Mailbox URL=http://m"},
  };
  // clang-format on
  for (const ShownCase& c : cases) ExpectShown(c);
}

// An identification list of 40 bytes stays one wTLD: "Length" and a value node, nothing below.
TEST_F(PresImTest, ListLikeValuesAreNotDecodedFurther) {
  const ByteString list = Cat(StldBytes(0x0001, Ascii("client-a")), Be(0, 28));
  ASSERT_EQ(list.size(), 40u);
  const FieldTree tree = Dissect(BexPacket(kPres, 0x0006, WtldBytes(0x0012, list)));
  const NodeId wtld = tree.child(DataNode(tree), 0);
  ASSERT_EQ(tree.childCount(wtld), 2u);
  EXPECT_EQ(tree.data(tree.child(wtld, 0)).Value, "40");
  const NodeId value = tree.child(wtld, 1);
  EXPECT_EQ(tree.data(value).Name, "Array of client identification sTLDs");
  EXPECT_EQ(tree.data(value).Value, "");
  EXPECT_EQ(tree.childCount(value), 0u);
  EXPECT_EQ(tree.data(value).FirstPos, 26);
  EXPECT_EQ(tree.data(value).LastPos, 65);
}

TEST_F(PresImTest, SubTypesWithoutTableShowAnEmptyData) {
  // clang-format off
  const TypeAndSub cases[] = {
      {kPres, 0x0001}, {kPres, 0x0005}, {kPres, 0x000D},
      {kIm,   0x0001}, {kIm,   0x0003}, {kIm,   0x0004}, {kIm,   0x0005}, {kIm,   0x000D},
  };
  // clang-format on
  for (const TypeAndSub& c : cases) ExpectEmptyData(c);
}

}  // namespace
}  // namespace qarnolog::test
