// Contact lists, transports data and sTLD lists: captions, marks, positions from declared
// lengths, and counts that claim more items than the bytes hold.
#include "dissector/nested.h"

#include <gtest/gtest.h>

#include "dissector/dissect.h"
#include "test_support.h"

namespace qarnolog {
namespace {

using test::At;
using test::Hex;

// QARNO_BEX_CL_SRV_REPLY: DataLength 34, one wTLD 1 of length 26: Items count 1, then a group
// item (type 1, ID 5, group 0, Length 8) whose sTLD list is sTLD 0x0001 of length 4, "Work".
constexpr std::string_view kContactList =
    "00 00000000 0002 0004 00000000 00000022"
    " 00000001 0000001A 00000001"
    " 0001 00000005 00000000 00000008 0001 0004 576F726B";

TEST(AddContactListNodes, GroupItemGolden) {
  FieldTree tree;
  DissectBex(tree, Hex(kContactList), 0);
  EXPECT_EQ(FormatTreeText(tree),
            "QARNO_BEX_CL_SRV_REPLY [1-51]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=0 [2-5]\n"
            "  Bex Type=0x0002 [6-7]\n"
            "  Bex Sub=0x0004 [8-9]\n"
            "  Request ID=0x00000000 [10-13]\n"
            "  Data Length=34 [14-17]\n"
            "  Data [18-51]\n"
            "    wTLD (0x00000001) [18-21]\n"
            "      Length=26 [22-25] mark=1\n"
            "      Contact list [26-51]\n"
            "        Items count=1 [26-29]\n"
            "        Work [30-51] mark=2\n"
            "          Item Type=CL_ITEM_TYPE_GROUP [30-31]\n"
            "          Item ID=5 [32-35]\n"
            "          Group ID=0 [36-39]\n"
            "          Length=8 [40-43] mark=1\n"
            "          sTLDs [44-51]\n"
            "            sTLD (0x0001) = TLD_CL_GROUP_NAME [44-45]\n"
            "              Length=4 [46-47] mark=1\n"
            "              GroupName=Work [48-51]\n");
  // Only the root, "Data", the wTLD and the list are open; the item and below stay closed.
  const NodeId wtld = At(tree, {6, 0});
  const NodeId list = At(tree, {6, 0, 1});
  const NodeId item = At(tree, {6, 0, 1, 1});
  EXPECT_TRUE(tree.expanded(At(tree, {})));
  EXPECT_TRUE(tree.expanded(At(tree, {6})));
  EXPECT_TRUE(tree.expanded(wtld));
  EXPECT_TRUE(tree.expanded(list));
  EXPECT_FALSE(tree.expanded(item));
  EXPECT_FALSE(tree.expanded(At(tree, {6, 0, 1, 1, 4})));
}

TEST(AddContactListNodes, TheSameListInAnotherBexIsFullyExpanded) {
  // A local table puts the same contact-list wTLD into the loop; only DissectBex's rule for
  // QARNO_BEX_CL_SRV_REPLY keeps items closed, so after expandAll every parent is open.
  FieldTree tree;
  const NodeId data = tree.append(kNoNode, {"Data", {}, 18, 51});
  constexpr WtldRow kRows[] = {
      {1, "Contact list", ValueKind::NoValue, Nested::ContactList}
  };
  const ByteString packet = Hex(kContactList);
  RunWtldLoop(tree, ByteView(packet).subspan(17), BexTable{kRows}, data);
  EXPECT_FALSE(tree.expanded(At(tree, {0, 1, 1})));  // left closed by the decoder
  tree.expandAll();
  EXPECT_TRUE(tree.expanded(At(tree, {0, 1, 1})));
}

std::string List(const ByteString& value, std::uint32_t declared) {
  FieldTree tree;
  const NodeId parent = tree.append(kNoNode, {"Data", {}, 18, 99});
  const std::int32_t next = AddContactListNodes(tree, 1, declared, value, parent, 18);
  return FormatTreeText(tree) + "next=" + std::to_string(next) + "\n";
}

struct CaptionCase {
  const char* stlds;  // the item's sTLD list
  const char* line;   // the item node's line
};

TEST(AddContactListNodes, ItemCaptionsAndMarks) {
  // clang-format off
  constexpr CaptionCase kCases[] = {
      {"0002 0001 61 0003 0001 62", "      a [30-53]\n"},             // account name, no mark
      {"1003 0001 61 1004 0001 62", "      Transport: a [30-53] mark=3\n"},
      {"2001 0001 61 2003 0001 62", "      Note: a [30-53] mark=4\n"},
      {"0003 0001 61 0004 0001 02", "      Item 1 [30-53]\n"},        // no caption type
      {"0001 0001 61 0002 0001 62", "      b [30-53] mark=2\n"},      // a later caption wins
  };
  // clang-format on
  for (const CaptionCase& c : kCases) {
    // Items count 1, item type 2, ID 1, group 0, Length 10, then the list.
    const ByteString value =
        Hex(std::string("00000001 0002 00000001 00000000 0000000A ") + c.stlds);
    const std::string text = List(value, static_cast<std::uint32_t>(value.size()));
    EXPECT_NE(text.find(c.line), std::string::npos) << c.stlds << "\n" << text;
  }
}

TEST(AddContactListNodes, EmptyValuesAndEmptyCounts) {
  EXPECT_EQ(List({}, 26),
            "Data [18-99]\n"
            "  wTLD (0x00000001) [18-21]\n"
            "    Length=26 [22-25] mark=1\n"
            "next=26\n");
  EXPECT_EQ(List(Hex("00000000"), 4),
            "Data [18-99]\n"
            "  wTLD (0x00000001) [18-21]\n"
            "    Length=4 [22-25] mark=1\n"
            "    Contact list [26-29]\n"
            "      Items count=0 [26-29]\n"
            "next=30\n");
}

TEST(AddContactListNodes, HugeCountsStopWhenTheBytesAreUsedUp) {
  // A 20-byte value claiming 0xFFFFFFFF items: one item head (14 bytes) with Length 2 and a
  // 2-byte sTLD list cut inside its header; nothing is left for a second item.
  const std::string text = List(Hex("FFFFFFFF 0001 00000001 00000000 00000002 0005"), 20);
  EXPECT_EQ(text,
            "Data [18-99]\n"
            "  wTLD (0x00000001) [18-21]\n"
            "    Length=20 [22-25] mark=1\n"
            "    Contact list [26-45]\n"
            "      Items count=4294967295 [26-29]\n"
            "      Item 1 [30-45]\n"
            "        Item Type=CL_ITEM_TYPE_GROUP [30-31]\n"
            "        Item ID=1 [32-35]\n"
            "        Group ID=0 [36-39]\n"
            "        Length=2 [40-43] mark=1\n"
            "        sTLDs [44-45]\n"
            "          sTLD (0x0005) = TLD_CL_AUTH_FLAG [44-45]\n"
            "            Length=0 [46-47] mark=1\n"
            "next=46\n");
}

TEST(AddContactListNodes, ItemLengthOfTwoGigabytesTakesNothing) {
  // Item Length 0x80000000: the sTLD list is empty; the positions are the wrapped sums.
  const std::string text = List(Hex("00000001 0002 00000007 00000003 80000000 0002 0001 61"), 23);
  EXPECT_NE(text.find("      Item 1 [30--2147483605]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("        sTLDs [44-43]\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("sTLD ("), std::string::npos) << text;
}

TEST(AddStldList, ValueTableAndUnnamedTypes) {
  FieldTree tree;
  const NodeId given = tree.append(kNoNode, {"Item 1", {}, 30, 99});
  // 0x0005 (named, no value row), 0x9000 (developer range), 0x2004 (date zero), 0x2002 (note
  // type 1), 0x1002 (hex), 0x1001 (decimal), 0x0004 (privacy 4), 0x7777 (unknown), then an
  // sTLD whose declared length runs past the list.
  const std::string caption = AddStldList(
      tree,
      Hex("0005 0001 01 9000 0002 AABB 2004 0008 0000000000000000 2002 0001 01"
          " 1002 0002 0A0B 1001 0004 00010000 0004 0001 04 7777 0001 00 2003 0009 6869"),
      given, 44, true);
  EXPECT_EQ(caption, "");
  EXPECT_EQ(FormatTreeText(tree),
            "Item 1 [30-99]\n"
            "  sTLD (0x0005) = TLD_CL_AUTH_FLAG [44-45]\n"
            "    Length=1 [46-47] mark=1\n"
            "    Data [48-48]\n"
            "  sTLD (0x9000) = TLD_CL_DEV_STLD [49-50]\n"
            "    Length=2 [51-52] mark=1\n"
            "    Data [53-54]\n"
            "  sTLD (0x2004) = TLD_CL_NOTE_DATE [55-56]\n"
            "    Length=8 [57-58] mark=1\n"
            "    NoteDate=12/30/99 UTC [59-66]\n"
            "  sTLD (0x2002) = TLD_CL_NOTE_TYPE [67-68]\n"
            "    Length=1 [69-70] mark=1\n"
            "    NoteType=CL_NOTE_TYPE_COMMAND [71-71]\n"
            "  sTLD (0x1002) = TLD_CL_TP_UUID [72-73]\n"
            "    Length=2 [74-75] mark=1\n"
            "    TransportUUID=0A0B [76-77]\n"
            "  sTLD (0x1001) = TLD_CL_TP_ITEM_ID [78-79]\n"
            "    Length=4 [80-81] mark=1\n"
            "    TransportItemID=65536 [82-85]\n"
            "  sTLD (0x0004) = TLD_CL_PRIVACY_TYPE [86-87]\n"
            "    Length=1 [88-89] mark=1\n"
            "    PrivacyType=CL_PRIV_TYPE_IGNORE_NOT_IN_LIST [90-90]\n"
            "  sTLD (0x7777) = UNKNOWN [91-92]\n"
            "    Length=1 [93-94] mark=1\n"
            "    Data [95-95]\n"
            "  sTLD (0x2003) = TLD_CL_NOTE_TEXT [96-97]\n"
            "    Length=9 [98-99] mark=1\n"
            "    NoteText=hi [100-108]\n");
}

// QARNO_BEX_TP_SRV_PARAMS_REPLY: wTLD 1 of 4 bytes, then wTLD 2 of length 31: Items count 1,
// one transport with UUID 00..0F, Length 7, and sTLD 0x0001 of length 3, "ABC".
constexpr std::string_view kTransports =
    "00 00000000 0008 0002 00000000 00000033"
    " 00000001 00000004 00000000"
    " 00000002 0000001F 00000001 000102030405060708090A0B0C0D0E0F 00000007 0001 0003 414243";

TEST(AddTransportsDataNodes, TransportGolden) {
  FieldTree tree;
  const ByteString packet = Hex(kTransports);
  DissectBex(tree, packet, 0);
  const std::string text = FormatTreeText(tree);
  const std::string expected =
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
      "              Transport full name=ABC [66-68]\n";
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(text.size() - expected.size()), expected) << text;
  for (NodeId node = 0; node < tree.size(); ++node) {
    EXPECT_EQ(tree.expanded(node), tree.childCount(node) != 0) << tree.data(node).Name;
  }
}

TEST(AddTransportInfoList, ValueKindsOfTheTable) {
  FieldTree tree;
  const NodeId given = tree.append(kNoNode, {"Item 1", {}, 1, 1});
  const std::string caption = AddTransportInfoList(
      tree, Hex("0009 0001 01 000A 0001 00 0008 0001 FF 0005 0004 00001F90 0006 0001 01 FFFF 0000"),
      given, 62);
  EXPECT_EQ(caption, "");
  EXPECT_EQ(tree.mark(given), 0);
  EXPECT_EQ(FormatTreeText(tree),
            "Item 1 [1-1]\n"
            "  sTLDs [62-93]\n"
            "    sTLD (0x0009) [62-63]\n"
            "      Length=1 [64-65] mark=1\n"
            "      Add contacts supported=True [66-66]\n"
            "    sTLD (0x000A) [67-68]\n"
            "      Length=1 [69-70] mark=1\n"
            "      Update contacts supported=False [71-71]\n"
            "    sTLD (0x0008) [72-73]\n"
            "      Length=1 [74-75] mark=1\n"
            "      Additional status pictures count=255 [76-76]\n"
            "    sTLD (0x0005) [77-78]\n"
            "      Length=4 [79-80] mark=1\n"
            "      Default server port number=8080 [81-84]\n"
            "    sTLD (0x0006) [85-86]\n"
            "      Length=1 [87-88] mark=1\n"
            "      Supported QARNO presence statuses array [89-89]\n"
            "    sTLD (0xFFFF) [90-91]\n"
            "      Length=0 [92-93] mark=1\n");
}

TEST(AddTransportsDataNodes, HugeCountsStopWhenTheBytesAreUsedUp) {
  FieldTree tree;
  const NodeId parent = tree.append(kNoNode, {"Data", {}, 18, 99});
  // 0xFFFFFFFF transports in 24 bytes: one UUID and a Length of 0.
  const ByteString value = Hex("FFFFFFFF 000102030405060708090A0B0C0D0E0F 00000000");
  EXPECT_EQ(AddTransportsDataNodes(tree, 2, 24, value, parent, 18), 50);
  EXPECT_LT(tree.size(), 12u);
}

}  // namespace
}  // namespace qarnolog
