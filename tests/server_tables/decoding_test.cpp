// Whole decoded BEXs of the extension manager and the administration: the extension type that
// switches the rows of CLI_PARAMS and SRV_CREATE, and the general contact list among the
// server parameters.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "packet.h"

namespace qarnolog::test {
namespace {

// `text` with each "{key}" replaced by its value.
std::string Fill(std::string text,
                 std::initializer_list<std::pair<std::string, std::string>> values) {
  for (const auto& [key, value] : values) {
    const std::string marker = "{" + key + "}";
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker)) {
      text.replace(at, marker.size(), value);
    }
  }
  return text;
}

// QARNO_BEX_EXT_MAN_CLI_PARAMS with six wTLDs: 0x0001 "QL", 0x0005 00, 0x0010 "T", 0x0011 "x",
// 0x2003 01, and 0x0000 with no value. The positions are the same for every extension type;
// only the names of 0x0010 and above change.
const ByteString kCliParams = BexPacket(
    0x1000, 0x0003,
    Cat(WtldBytes(0x0001, Ascii("QL")), WtldBytes(0x0005, Hex("00")), WtldBytes(0x0010, Ascii("T")),
        WtldBytes(0x0011, Ascii("x")), WtldBytes(0x2003, Hex("01")), WtldBytes(0x0000, {})));

constexpr std::string_view kCliParamsData =
    "  Data [18-71]\n"
    "    wTLD (0x00000001) [18-21]\n"
    "      Length=2 [22-25] mark=1\n"
    "      Extension name=QL [26-27]\n"
    "    wTLD (0x00000005) [28-31]\n"
    "      Length=1 [32-35] mark=1\n"
    "      Reserved [36-36]\n"
    "    wTLD (0x00000010) [37-40]\n"
    "      Length=1 [41-44] mark=1\n"
    "      {0010} [45-45]\n"
    "    wTLD (0x00000011) [46-49]\n"
    "      Length=1 [50-53] mark=1\n"
    "      {0011} [54-54]\n"
    "    wTLD (0x00002003) [55-58]\n"
    "      Length=1 [59-62] mark=1\n"
    "      {2003} [63-63]\n"
    "    wTLD (0x00000000) - Unknown [64-67]\n"
    "      Length=0 [68-71] mark=1\n";

struct ParamsCase {
  std::uint16_t extType;
  const char* wtld0010;
  const char* wtld0011;
  const char* wtld2003;
};

// clang-format off
constexpr std::array kParamsCases = {
    ParamsCase{1,      "Transport full name=T",         "Transport short name=x", "NickNameField=True"},
    ParamsCase{2,      "Listen for text messages=True", "Unknown",                "Unknown"},
    ParamsCase{0,      "Unknown",                       "Unknown",                "Unknown"},
    ParamsCase{3,      "Unknown",                       "Unknown",                "Unknown"},
    ParamsCase{0xFFFF, "Unknown",                       "Unknown",                "Unknown"},
};
// clang-format on

TEST(ServerTablesDecoding, ParamsRowsFollowTheExtensionType) {
  for (const ParamsCase& c : kParamsCases) {
    SCOPED_TRACE(testing::Message() << "extension type " << c.extType);
    const FieldTree tree = Dissect(kCliParams, c.extType);
    EXPECT_EQ(DataText(tree),
              Fill(std::string(kCliParamsData),
                   {
                       {"0010", c.wtld0010},
                       {"0011", c.wtld0011},
                       {"2003", c.wtld2003}
    }));
  }
}

// QARNO_BEX_EXT_MAN_SRV_CREATE with 0x0001 00 07, 0x0003 as 8 bytes (256) and 0x0004 "OS".
// Only a transport gets named fields; for any other extension type every wTLD is still read
// and consumed, at the same positions.
TEST(ServerTablesDecoding, CreateIsNamedForTransportsOnly) {
  const ByteString packet =
      BexPacket(0x1000, 0x0004,
                Cat(WtldBytes(0x0001, Hex("0007")), WtldBytes(0x0003, Hex("0000000000000100")),
                    WtldBytes(0x0004, Ascii("OS"))));
  constexpr std::string_view data =
      "  Data [18-53]\n"
      "    wTLD (0x00000001) [18-21]\n"
      "      Length=2 [22-25] mark=1\n"
      "      {0001} [26-27]\n"
      "    wTLD (0x00000003) [28-31]\n"
      "      Length=8 [32-35] mark=1\n"
      "      {0003} [36-43]\n"
      "    wTLD (0x00000004) [44-47]\n"
      "      Length=2 [48-51] mark=1\n"
      "      {0004} [52-53]\n";
  EXPECT_EQ(DataText(Dissect(packet, 1)),
            Fill(std::string(data), {
                                        {"0001", "Client QARNO language code=7"},
                                        {"0003", "Client version=256"          },
                                        {"0004", "Client OS=OS"                }
  }));
  for (const std::uint16_t extType : {0, 2, 0xFFFF}) {
    SCOPED_TRACE(testing::Message() << "extension type " << extType);
    EXPECT_EQ(DataText(Dissect(packet, extType)),
              Fill(std::string(data),
                   {
                       {"0001", "Unknown"},
                       {"0003", "Unknown"},
                       {"0004", "Unknown"}
    }));
  }
}

// Server parameters 0x0002 (8080), then the general contact list 0x002D with one group item
// "Mates" (item type 1, item ID 1, group ID 0, sTLD 0x0001 of 5 bytes), then 0x0026 01. The
// contact list takes 8 + 27 bytes, so the wTLD after it starts at 30 + 35 = 65.
ByteString ServerParams(std::uint16_t bexSub, const char* itemsCount) {
  const ByteString item =
      Hex("0001"
          "00000001"
          "00000000"
          "00000009"
          "0001"
          "0005"
          "4D61746573");
  ByteString list = Hex(itemsCount);
  list.insert(list.end(), item.begin(), item.end());
  return BexPacket(0xF001, bexSub,
                   Cat(WtldBytes(0x0002, Hex("00001F90")), WtldBytes(0x002D, list),
                       WtldBytes(0x0026, Hex("01"))));
}

constexpr std::string_view kServerParamsData =
    "  Data [18-73]\n"
    "    wTLD (0x00000002) [18-21]\n"
    "      Length=4 [22-25] mark=1\n"
    "      Listen port main=8080 [26-29]\n"
    "    wTLD (0x0000002D) [30-33]\n"
    "      Length=27 [34-37] mark=1\n"
    "      Contact list [38-64]\n"
    "        Items count=1 [38-41]\n"
    "        Mates [42-64] mark=2\n"
    "          Item Type=CL_ITEM_TYPE_GROUP [42-43]\n"
    "          Item ID=1 [44-47]\n"
    "          Group ID=0 [48-51]\n"
    "          Length=9 [52-55] mark=1\n"
    "          sTLDs [56-64]\n"
    "            sTLD (0x0001) = TLD_CL_GROUP_NAME [56-57]\n"
    "              Length=5 [58-59] mark=1\n"
    "              GroupName=Mates [60-64]\n"
    "    wTLD (0x00000026) [65-68]\n"
    "      Length=1 [69-72] mark=1\n"
    "      Log main server=True [73-73]\n";

TEST(ServerTablesDecoding, GeneralContactListIsDecodedInPlace) {
  // PARAMS_REPLY and CLI_SET share the server parameters table.
  for (const std::uint16_t bexSub : {0x0004, 0x0005}) {
    SCOPED_TRACE(testing::Message() << "sub-type " << bexSub);
    EXPECT_EQ(DataText(Dissect(ServerParams(bexSub, "00000001"), 0)), kServerParamsData);
  }
}

TEST(ServerTablesDecoding, OverstatedContactListKeepsTheNextWtldInPlace) {
  // The count claims 1000 items where the value holds one: the list stops at its own bytes and
  // the wTLD after it is still read from position 65.
  const FieldTree tree = Dissect(ServerParams(0x0004, "000003E8"), 0);
  const NodeId data = DataNode(tree);
  ASSERT_EQ(tree.childCount(data), 3u);
  const NodeId after = tree.child(data, 2);
  EXPECT_EQ(tree.data(after).Name, "wTLD (0x00000026)");
  EXPECT_EQ(tree.data(after).FirstPos, 65);
  ASSERT_EQ(tree.childCount(after), 2u);
  EXPECT_EQ(tree.data(tree.child(after, 1)).Name, "Log main server");
  EXPECT_EQ(tree.data(tree.child(after, 1)).Value, "True");
}

TEST(ServerTablesDecoding, SetReplyShowsChangeResultsNotTheContactList) {
  // The same data as a SET_REPLY: every wTLD is a two-byte change result at the same place.
  // The last value's one byte reads as 0x0100, a code the result names do not know.
  const FieldTree tree = Dissect(ServerParams(0x0006, "00000001"), 0);
  EXPECT_EQ(DataText(tree),
            "  Data [18-73]\n"
            "    wTLD (0x00000002) [18-21]\n"
            "      Length=4 [22-25] mark=1\n"
            "      Adm change: Listen port main=SET_CHANGE_SUCCESS [26-29]\n"
            "    wTLD (0x0000002D) [30-33]\n"
            "      Length=27 [34-37] mark=1\n"
            "      Adm change: General contact list=SET_CHANGE_SUCCESS [38-64]\n"
            "    wTLD (0x00000026) [65-68]\n"
            "      Length=1 [69-72] mark=1\n"
            "      Adm change: Log main server=UNKNOWN [73-73]\n");
}

}  // namespace
}  // namespace qarnolog::test
