// DissectBex and the wTLD loop: header nodes, the "Data" node, dispatch to the BEX tables,
// malformed lengths and the final expansion.
#include "dissector/dissect.h"

#include <gtest/gtest.h>

#include <array>

#include "test_support.h"

namespace qarnolog {
namespace {

using test::At;
using test::Hex;

std::string Dissect(const ByteString& packet, std::uint16_t extType = 0) {
  FieldTree tree;
  DissectBex(tree, packet, extType);
  return FormatTreeText(tree);
}

// Header: id 00, Seq 1, type 0x0001, sub 0x0001, RequestId 0, DataLength 15; then wTLD 1 of
// length 7 holding "example".
constexpr std::string_view kHello =
    "00 00000001 0001 0001 00000000 0000000F"
    " 00000001 00000007 6578616D706C65";

TEST(DissectBex, HelloGolden) {
  FieldTree tree;
  const ByteString packet = Hex(kHello);
  ASSERT_EQ(packet.size(), 32u);
  DissectBex(tree, packet, 0);
  EXPECT_EQ(FormatTreeText(tree),
            "QARNO_BEX_COM_CLI_HELLO [1-32]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=1 [2-5]\n"
            "  Bex Type=0x0001 [6-7]\n"
            "  Bex Sub=0x0001 [8-9]\n"
            "  Request ID=0x00000000 [10-13]\n"
            "  Data Length=15 [14-17]\n"
            "  Data [18-32]\n"
            "    wTLD (0x00000001) [18-21]\n"
            "      Length=7 [22-25] mark=1\n"
            "      Account=example [26-32]\n");
  // Every node with children is expanded.
  for (NodeId node = 0; node < tree.size(); ++node) {
    EXPECT_EQ(tree.expanded(node), tree.childCount(node) != 0) << tree.data(node).Name;
  }
}

TEST(DissectBex, HeaderFieldsWithoutData) {
  // Id FF (never shown), Seq FFFFFFFF, type 0xF001, sub 0xFFFF (unnamed), RequestId 0000ABCD,
  // DataLength 0.
  FieldTree tree;
  DissectBex(tree, Hex("FF FFFFFFFF F001 FFFF 0000ABCD 00000000"), 0);
  EXPECT_EQ(FormatTreeText(tree),
            "UNKNOWN [1-17]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=4294967295 [2-5]\n"
            "  Bex Type=0xF001 [6-7]\n"
            "  Bex Sub=0xFFFF [8-9]\n"
            "  Request ID=0x0000ABCD [10-13]\n"
            "  Data Length=0 [14-17]\n");
  EXPECT_TRUE(tree.expanded(At(tree, {})));
}

TEST(DissectBex, PacketsThatDoNotParseGiveAnEmptyTree) {
  constexpr std::array<std::string_view, 4> kBad = {
      "00 00000001 0001 0001 00000000 0000",         // 16 bytes: no whole header
      "00 00000001 0001 0001 00000000 00000002 41",  // DataLength 2, one byte present
      "00 00000001 0001 0001 00000000 80000000 41",  // DataLength 0x80000000
      "00 00000001 0001 0001 00000000 FFFFFFFF",     // DataLength 0xFFFFFFFF
  };
  for (const std::string_view packet : kBad) {
    EXPECT_EQ(Dissect(Hex(packet)), "") << packet;
  }
  EXPECT_EQ(Dissect({}), "");
}

TEST(DissectBex, UndecodedBexesKeepAnEmptyDataNode) {
  // Type 0x0009 (no family) and QARNO_BEX_COM_PING (no table), each with a 9-byte wTLD; and
  // 5 bytes after the data that belong to no node.
  const std::string unknownType =
      Dissect(Hex("00 00000000 0009 0001 00000000 00000009"
                  " 00000001 00000001 41 0102030405"));
  EXPECT_NE(unknownType.find("  Data [18-26]\n"), std::string::npos) << unknownType;
  EXPECT_EQ(unknownType.find("wTLD"), std::string::npos) << unknownType;
  EXPECT_EQ(unknownType.substr(0, 15), "UNKNOWN [1-26]\n");
  const std::string ping =
      Dissect(Hex("00 00000000 0001 0006 00000000 00000009 00000001 00000001 41"));
  EXPECT_EQ(ping.substr(0, 27), "QARNO_BEX_COM_PING [1-26]\n ");
  EXPECT_EQ(ping.find("wTLD"), std::string::npos) << ping;
}

TEST(DissectBex, LengthOfTwoGigabytesTakesNothing) {
  // Hello data: wTLD 1 claiming 0x80000000 bytes, then wTLD 1 of length 1 holding "A". The
  // second wTLD is read right after the first one's length field.
  EXPECT_EQ(Dissect(Hex("00 00000001 0001 0001 00000000 00000011"
                        " 00000001 80000000 00000001 00000001 41")),
            "QARNO_BEX_COM_CLI_HELLO [1-34]\n"
            "  QARNO_ID [1-1]\n"
            "  Seq=1 [2-5]\n"
            "  Bex Type=0x0001 [6-7]\n"
            "  Bex Sub=0x0001 [8-9]\n"
            "  Request ID=0x00000000 [10-13]\n"
            "  Data Length=17 [14-17]\n"
            "  Data [18-34]\n"
            "    wTLD (0x00000001) - Account [18-21]\n"
            "      Length=2147483648 [22-25] mark=1\n"
            "    wTLD (0x00000001) [26-29]\n"
            "      Length=1 [30-33] mark=1\n"
            "      Account=A [34-34]\n");
}

constexpr WtldRow kLocalRows[] = {
    {0x0001,   "Account",          ValueKind::Utf8Text},
    { 0x0003, "sTLDs", ValueKind::NoValue,    Nested::StldList},
};
constexpr BexTable kLocalTable = {
    kLocalRows, {                   },
     { 0, "Other", ValueKind::HexBytes}
};

std::string Loop(const ByteString& data) {
  FieldTree tree;
  const NodeId dataNode = tree.append(kNoNode, {"Data", {}, 18, 99});
  RunWtldLoop(tree, data, kLocalTable, dataNode);
  return FormatTreeText(tree);
}

TEST(RunWtldLoop, TruncatedDataEndsTheLoop) {
  // wTLD 1 of length 1 ("A"), then two bytes: a cut-off header reads as type 0, length 0, with
  // the table's fallback name.
  EXPECT_EQ(Loop(Hex("00000001 00000001 41 0000")),
            "Data [18-99]\n"
            "  wTLD (0x00000001) [18-21]\n"
            "    Length=1 [22-25] mark=1\n"
            "    Account=A [26-26]\n"
            "  wTLD (0x00000000) - Other [27-30]\n"
            "    Length=0 [31-34] mark=1\n");
  // An unknown type whose value is cut short: the fallback's kind, the declared span.
  EXPECT_EQ(Loop(Hex("00000099 0000000A 414243")),
            "Data [18-99]\n"
            "  wTLD (0x00000099) [18-21]\n"
            "    Length=10 [22-25] mark=1\n"
            "    Other=414243 [26-35]\n");
}

TEST(RunWtldLoop, StldListRowsPutTheSTldsUnderTheValueNode) {
  // wTLD 3 of length 12: sTLD 0x0001 "Work" (no caption when direct), then sTLD 0x1003 "x"
  // (mark 3 on the value node even when direct); then wTLD 3 with an empty value.
  EXPECT_EQ(Loop(Hex("00000003 0000000D 0001 0004 576F726B 1003 0001 78"
                     " 00000003 00000000")),
            "Data [18-99]\n"
            "  wTLD (0x00000003) [18-21]\n"
            "    Length=13 [22-25] mark=1\n"
            "    sTLDs [26-38] mark=3\n"
            "      sTLD (0x0001) = TLD_CL_GROUP_NAME [26-27]\n"
            "        Length=4 [28-29] mark=1\n"
            "        GroupName=Work [30-33]\n"
            "      sTLD (0x1003) = TLD_CL_TP_ACC_NAME [34-35]\n"
            "        Length=1 [36-37] mark=1\n"
            "        TransportAccountName=x [38-38]\n"
            "  wTLD (0x00000003) - sTLDs [39-42]\n"
            "    Length=0 [43-46] mark=1\n");
}

}  // namespace
}  // namespace qarnolog
