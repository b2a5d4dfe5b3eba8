// COM and CL BEXs: display names, value kinds, the sTLD-list and contact-list rows and the
// expansion after a contact list.
#include <clocale>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bex_packet.h"
#include "dissector/tree_format.h"
#include "vocabulary/name_tables.h"

namespace qarnolog::test {
namespace {

constexpr std::uint16_t kCom = 0x0001;
constexpr std::uint16_t kCl = 0x0002;

class ComClTest : public ::testing::Test {
 protected:
  void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

// Every display name of these families that selects a name table: a name written differently
// from the selection list would silently show the bare number instead.
TEST_F(ComClTest, NamesThatSelectATableShowConstants) {
  // clang-format off
  const SelectingCase cases[] = {
      {kCom, 0x0002, 0x0001, 2, "Hello error code",         NameTable::HelloErrorCode},
      {kCom, 0x0004, 0x0001, 2, "Login error code",         NameTable::LoginErrorCode},
      {kCom, 0x0005, 0x0001, 2, "Bye reason code",          NameTable::ByeReasonCode},
      {kCom, 0x0009, 0x0001, 2, "Registration result code", NameTable::RegistrationResultCode},
      {kCl,  0x0007, 0x0001, 2, "Item Type",                NameTable::ItemType},
      {kCl,  0x0008, 0x0001, 2, "Add result code",          NameTable::AddResultCode},
      {kCl,  0x000A, 0x0001, 2, "Del result code",          NameTable::DelResultCode},
      {kCl,  0x000C, 0x0001, 2, "Update result code",       NameTable::UpdateResultCode},
      {kCl,  0x000E, 0x0002, 2, "Auth reply code",          NameTable::AuthReplyCode},
      {kCl,  0x0013, 0x0001, 2, "Operation code",           NameTable::OperationCode},
      {kCl,  0x0013, 0x0002, 2, "Item Type",                NameTable::ItemType},
  };
  // clang-format on
  for (const SelectingCase& c : cases) ExpectSelectsTable(c);
}

TEST_F(ComClTest, ValuesShowByTheirKind) {
  // clang-format off
  const std::vector<ShownCase> cases = {
      {kCom, 0x0002, 0x0001, {0x00, 0x01},         "Hello error code=HELLO_ERROR_ACCOUNT_INVALID"},
      // An empty value: the display name joins the wTLD node.
      {kCom, 0x0001, 0x0003, {},                   "wTLD (0x00000003) - Registration attempt"},
      {kCom, 0x0001, 0x0003, {0x01},               "Registration attempt"},
      {kCom, 0x0001, 0x0002, ByteString(16, 'A'),  "Cookie"},
      // RAW_TEXT goes through the single-byte code page: 0xE9 is one letter, not bad UTF-8.
      {kCom, 0x0002, 0x0002, {'k', 0xE9},          "Server key=k\xD0\xB9"},
      // The password is shown as the Base64 text it is, not decoded.
      {kCom, 0x0003, 0x0003, Ascii("cGFzcw=="),    "Base64 encoded password=cGFzcw=="},
      {kCom, 0x0002, 0x0004, Be(5000, 4),          "RedirectPort=5000"},
      {kCom, 0x0002, 0x0005, {0x02},               "Registration enabled=True"},
      // A type beyond the table.
      {kCom, 0x0002, 0x0009, {0x01},               "Unknown"},
      {kCom, 0x0009, 0x0002, Ascii("a-z"),         "Allowed chars in the account for registration=a-z"},
      {kCl,  0x0002, 0x000A, {0x00},               "Server will remove authorization flag automatically=False"},
      {kCl,  0x000D, 0x1001, Be(7, 4),             "TranspID=7"},
      // A gap between the table's rows.
      {kCl,  0x000D, 0x0005, Be(7, 4),             "Unknown"},
      {kCl,  0x000F, 0x0004, Be(1, 8),             "Offline auth msg sent time=01/01/70 00:00:01 UTC"},
      {kCl,  0x000F, 0x0002, Ascii("spam"),        "Auth revoke reason=spam"},
      // The contact-list decoder belongs to SRV_REPLY alone.
      {kCl,  0x0006, 0x0001, Be(0, 4),             "Contact list MD5 hash"},
  };
  // clang-format on
  for (const ShownCase& c : cases) ExpectShown(c);
}

// Sub-types without a table read no wTLD, whatever the data holds.
TEST_F(ComClTest, SubTypesWithoutTableShowAnEmptyData) {
  // clang-format off
  const TypeAndSub cases[] = {
      {kCom, 0x0000}, {kCom, 0x0006}, {kCom, 0x0007}, {kCom, 0x000A},
      {kCl,  0x0001}, {kCl,  0x0003}, {kCl,  0x0005}, {kCl,  0x0010}, {kCl,  0x0011},
      {kCl,  0x0012}, {kCl,  0x0014}, {kCl,  0x0015}, {kCl,  0x0016},
  };
  // clang-format on
  for (const TypeAndSub& c : cases) ExpectEmptyData(c);
}

// The example item of the CL item BEXs: "Item Type" 00 01 at 18, "Parent Group ID" at 28 and
// the sTLD-list wTLD at 40 holding sTLD 0x0001 (length 4, "Work").
TEST_F(ComClTest, AddItemDecodesItsStldsUnderTheValueNode) {
  const ByteString packet = BexPacket(kCl, 0x0007,
                                      Cat(WtldBytes(0x0001, Be(1, 2)), WtldBytes(0x0002, Be(0, 4)),
                                          WtldBytes(0x0003, StldBytes(0x0001, Ascii("Work")))));
  EXPECT_EQ(DissectText(packet),
            "QARNO_BEX_CL_CLI_ADD_ITEM [1-55]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=1 [2-5]\n"
            "  Bex Type=0x0002 [6-7]\n"
            "  Bex Sub=0x0007 [8-9]\n"
            "  Request ID=0x00000000 [10-13]\n"
            "  Data Length=38 [14-17]\n"
            "  Data [18-55]\n"
            "    wTLD (0x00000001) [18-21]\n"
            "      Length=2 [22-25] mark=1\n"
            "      Item Type=CL_ITEM_TYPE_GROUP [26-27]\n"
            "    wTLD (0x00000002) [28-31]\n"
            "      Length=4 [32-35] mark=1\n"
            "      Parent Group ID=0 [36-39]\n"
            "    wTLD (0x00000003) [40-43]\n"
            "      Length=8 [44-47] mark=1\n"
            "      sTLDs [48-55]\n"
            "        sTLD (0x0001) = TLD_CL_GROUP_NAME [48-49]\n"
            "          Length=4 [50-51] mark=1\n"
            "          GroupName=Work [52-55]\n");
}

// The same rule in the update and in the server's item operation, at their own wTLD types: a
// transport account name marks the value node; an empty list adds no value node.
TEST_F(ComClTest, StldRowsOfUpdateAndItemOperation) {
  struct Case {
    std::uint16_t sub;
    std::uint32_t wtld;
  };
  const ByteString account = StldBytes(0x1003, Ascii("bob"));
  for (const Case& c : {
           Case{0x000B, 0x0003},
           Case{0x0013, 0x0005}
  }) {
    const FieldTree tree = Dissect(BexPacket(kCl, c.sub, WtldBytes(c.wtld, account)));
    const NodeId wtldNode = tree.child(DataNode(tree), 0);
    ASSERT_EQ(tree.childCount(wtldNode), 2u) << c.sub;
    const NodeId value = tree.child(wtldNode, 1);
    EXPECT_EQ(tree.data(value).Name, "sTLDs");
    EXPECT_EQ(tree.data(value).Value, "");
    EXPECT_EQ(tree.mark(value), kMarkTransport) << c.sub;
    ASSERT_EQ(tree.childCount(value), 1u);
    const NodeId stld = tree.child(value, 0);
    ASSERT_EQ(tree.childCount(stld), 2u);
    EXPECT_EQ(tree.data(tree.child(stld, 1)).Name, "TransportAccountName");
    EXPECT_EQ(tree.data(tree.child(stld, 1)).Value, "bob");

    const std::string empty = WtldShown(BexPacket(kCl, c.sub, WtldBytes(c.wtld, {})));
    EXPECT_TRUE(empty.ends_with(") - sTLDs")) << empty;
  }
}

ByteString ContactItem(std::uint16_t itemType, std::uint32_t id, const ByteString& stlds) {
  return Cat(Be(itemType, 2), Be(id, 4), Be(0, 4), Be(stlds.size(), 4), stlds);
}

// A contact list of a group "Work" and a contact "ann", a wTLD 0x0002 that the table does not
// hold, then the list again: the loop goes on past the unknown wTLD.
ByteString ContactListReply(std::uint16_t sub) {
  const ByteString group = ContactItem(1, 5, StldBytes(0x0001, Ascii("Work")));
  const ByteString contact = ContactItem(2, 6, StldBytes(0x0002, Ascii("ann")));
  const ByteString list = WtldBytes(0x0001, Cat(Be(2, 4), group, contact));
  return BexPacket(kCl, sub, Cat(list, WtldBytes(0x0002, Be(9, 4)), list));
}

TEST_F(ComClTest, ContactListReplyOpensOnlyTheListItself) {
  const FieldTree tree = Dissect(ContactListReply(0x0004));
  const NodeId data = DataNode(tree);
  ASSERT_EQ(tree.childCount(data), 3u);
  const NodeId unknown = tree.child(data, 1);
  EXPECT_EQ(tree.data(unknown).Name, "wTLD (0x00000002)");
  EXPECT_EQ(tree.data(tree.child(unknown, 1)).Name, "Unknown");
  EXPECT_EQ(tree.data(tree.child(unknown, 1)).Value, "");

  std::vector<std::string> open;
  std::vector<std::string> closed;
  for (NodeId node = 0; node < tree.size(); ++node) {
    if (tree.expanded(node)) {
      open.push_back(tree.data(node).Name);
    } else if (tree.childCount(node) != 0) {
      closed.push_back(tree.data(node).Name);
    }
  }
  // clang-format off
  const std::vector<std::string> expectedOpen = {
      "QARNO_BEX_CL_SRV_REPLY", "Data",
      "wTLD (0x00000001)", "Contact list",
      "wTLD (0x00000001)", "Contact list"};
  // The items (named after their group and account) and the unknown wTLD stay closed.
  const std::vector<std::string> expectedClosed = {
      "Work", "sTLDs", "sTLD (0x0001) = TLD_CL_GROUP_NAME",
      "ann", "sTLDs", "sTLD (0x0002) = TLD_CL_ACCOUNT_NAME",
      "wTLD (0x00000002)",
      "Work", "sTLDs", "sTLD (0x0001) = TLD_CL_GROUP_NAME",
      "ann", "sTLDs", "sTLD (0x0002) = TLD_CL_ACCOUNT_NAME"};
  // clang-format on
  EXPECT_EQ(open, expectedOpen);
  EXPECT_EQ(closed, expectedClosed);
}

// The same data in the verify reply and in the add-item BEX (where 0x0001 is no contact list):
// every node that has children is open.
TEST_F(ComClTest, EveryOtherBexIsExpandedWhole) {
  for (const std::uint16_t sub : {0x0006, 0x0007}) {
    const FieldTree tree = Dissect(ContactListReply(sub));
    ASSERT_GT(tree.size(), 8u);
    for (NodeId node = 0; node < tree.size(); ++node) {
      EXPECT_EQ(tree.expanded(node), tree.childCount(node) != 0) << tree.data(node).Name;
    }
  }
}

}  // namespace
}  // namespace qarnolog::test
