// Names and value texts of single wTLDs in the extension-manager, transport-extension, plug-in
// and administration BEXs, the sub-types that are not decoded, and the shape of the tables.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "dissector/families.h"
#include "packet.h"

namespace qarnolog::test {
namespace {

constexpr std::uint16_t kExtMan = 0x1000;
constexpr std::uint16_t kExtTp = 0x1001;
constexpr std::uint16_t kExtPg = 0x1002;
constexpr std::uint16_t kWadm = 0xF001;

// One BEX holding one wTLD; `shown` is its value node as "Name=Value" (or "Name" for an empty
// value text).
struct FieldCase {
  std::uint16_t bexType;
  std::uint16_t bexSub;
  std::uint16_t extType;
  std::uint32_t wtldType;
  const char* valueHex;
  const char* shown;
};

// clang-format off
constexpr std::array kFieldCases = {
    // EXT_MAN: the register and reply tables do not depend on the extension type
    FieldCase{kExtMan, 0x0001, 0, 0x0001, "0001",   "Extension type=EXT_TYPE_TRANSPORT"},
    FieldCase{kExtMan, 0x0001, 2, 0x0002, "00112233445566778899AABBCCDDEEFF",
                                                    "Extension UUID=00112233445566778899AABBCCDDEEFF"},
    FieldCase{kExtMan, 0x0002, 0, 0x0004, "00010000", "Max avatar file size=65536"},
    FieldCase{kExtMan, 0x0005, 2, 0x0001, "0001",   "Object creation result code=EXT_CREATE_ERROR"},
    FieldCase{kExtMan, 0x0007, 1, 0x0002, "0000002A", "Destructed object unique ID=42"},
    // EXT_MAN CLI_PARAMS of a transport: the gaps between the groups are unknown
    FieldCase{kExtMan, 0x0003, 1, 0x0021, "00",     "Notificaton messages supported=False"},
    FieldCase{kExtMan, 0x0003, 1, 0x0027, "05",     "Additional status pictures count=5"},
    FieldCase{kExtMan, 0x0003, 1, 0x002A, "01",     "Unknown"},
    FieldCase{kExtMan, 0x0003, 1, 0x0080, "01",     "Unknown"},
    FieldCase{kExtMan, 0x0003, 1, 0x0083, "01",     "Custom status pics png URLs"},
    FieldCase{kExtMan, 0x0003, 1, 0x1001, "01",     "NickNameField=True"},
    FieldCase{kExtMan, 0x0003, 1, 0x2003, "01",     "NickNameField=True"},
    FieldCase{kExtMan, 0x0003, 1, 0x1019, "01",     "Unknown"},
    FieldCase{kExtMan, 0x0003, 1, 0x2008, "00",     "ContryCodeField=False"},
    FieldCase{kExtMan, 0x0003, 1, 0x200E, "01",     "Unknown"},
    FieldCase{kExtMan, 0x0003, 1, 0x0000, "01",     "Unknown"},
    // EXT_MAN CLI_PARAMS: the common rows hold whatever the extension type
    FieldCase{kExtMan, 0x0003, 2, 0x0004, "55",     "Extension information URL=U"},
    FieldCase{kExtMan, 0x0003, 0, 0x000F, "55",     "Reserved"},
    FieldCase{kExtMan, 0x0003, 2, 0x0011, "55",     "Unknown"},
    // EXT_MAN SRV_CREATE: "Client version" is one 64-bit number, not the client version text
    FieldCase{kExtMan, 0x0004, 1, 0x0003, "0001000200030004", "Client version=281483566841860"},

    // EXT_TP: the details reply and update differ only in wTLD 0x0002
    FieldCase{kExtTp, 0x0014, 0, 0x0002, "0001",    "Details result code=DETAILS_RES_NOT_FOUND"},
    FieldCase{kExtTp, 0x0015, 0, 0x0002, "0001",    "Unknown"},
    FieldCase{kExtTp, 0x0014, 0, 0x0001, "00000007", "Object unique ID=7"},
    FieldCase{kExtTp, 0x0015, 0, 0x0001, "00000007", "Object unique ID=7"},
    FieldCase{kExtTp, 0x0015, 0, 0x001B, "43454F", "Position=CEO"},
    // EXT_TP: the three authorization BEXs differ only in wTLD 0x0003
    FieldCase{kExtTp, 0x000C, 0, 0x0003, "6869",    "Auth msg text=hi"},
    FieldCase{kExtTp, 0x000D, 0, 0x0003, "0002",    "Auth reply code=AUTH_REPLY_DENIED"},
    FieldCase{kExtTp, 0x000E, 0, 0x0003, "6279",    "Auth revoke text=by"},
    FieldCase{kExtTp, 0x000E, 0, 0x0004, "01",      "IsOfflineMsg=True"},
    FieldCase{kExtTp, 0x000D, 0, 0x0002, "6A",      "Account=j"},
    // EXT_TP: shared tables, one-byte privacy type, the search request's gap at 0x000E
    FieldCase{kExtTp, 0x0007, 0, 0x0003, "01",      "Delete other contacts=True"},
    FieldCase{kExtTp, 0x000A, 0, 0x0005, "0102",    "Privacy type=CL_PRIV_TYPE_VISIBLE_LIST"},
    FieldCase{kExtTp, 0x001F, 0, 0x0001, "00000009", "Object unique ID=9"},
    FieldCase{kExtTp, 0x001F, 0, 0x0002, "00",      "Unknown"},
    FieldCase{kExtTp, 0x001C, 0, 0x000D, "03",      "Zodiac sign=3"},
    FieldCase{kExtTp, 0x001C, 0, 0x000E, "03",      "Unknown"},
    FieldCase{kExtTp, 0x001C, 0, 0x000F, "6A617A7A", "Interests=jazz"},
    FieldCase{kExtTp, 0x000F, 1, 0x0009, "0001000200030004", "Client ver=1.2.3.4"},
    FieldCase{kExtTp, 0x0010, 2, 0x0005, "01",      "Ack required=True"},
    FieldCase{kExtTp, 0x0017, 0, 0x0002, "FFD8",    "Afatar file data"},
    FieldCase{kExtTp, 0x0020, 0, 0x0000, "00",      "Unknown"},

    // EXT_PG: "Ack required" has no value text here
    FieldCase{kExtPg, 0x0001, 0, 0x0005, "01",      "Ack required"},
    FieldCase{kExtPg, 0x0001, 0, 0x000C, "ABCD",    "Transport UUID=ABCD"},

    // WADM
    FieldCase{kWadm, 0x0001, 0, 0x0001, "6B6579",   "Admin server key=key"},
    FieldCase{kWadm, 0x0002, 0, 0x0002, "0001000200030004", "Server ver"},
    FieldCase{kWadm, 0x0004, 0, 0x0009, "0000003C", "Admin srever key change seconds=60"},
    FieldCase{kWadm, 0x0005, 0, 0x0014, "00000010", "Max auth reson len=16"},
    FieldCase{kWadm, 0x0004, 0, 0x0041, "000001BB",
              "Main server optional SSL port number to listen incoming connections=443"},
    FieldCase{kWadm, 0x0004, 0, 0x0042, "000001BB",
              "Main server optional SSL port number to listen incoming connections=443"},
    FieldCase{kWadm, 0x0004, 0, 0x0045, "0001",     "Unknown"},
    // WADM SRV_SET_REPLY: every name, even the fallback, is a change result of two bytes
    FieldCase{kWadm, 0x0006, 0, 0x0002, "0001",     "Adm change: Listen port main=SET_CHANGE_NOT_ALLOWED"},
    FieldCase{kWadm, 0x0006, 0, 0x0020, "0000",     "Adm change: Allowed chars in the account for reg=SET_CHANGE_SUCCESS"},
    FieldCase{kWadm, 0x0006, 0, 0x002D, "0001",     "Adm change: General contact list=SET_CHANGE_NOT_ALLOWED"},
    FieldCase{kWadm, 0x0006, 0, 0x0045, "0001",     "Adm change: Unknown=SET_CHANGE_NOT_ALLOWED"},
    FieldCase{kWadm, 0x0006, 0, 0x0000, "0000",     "Adm change: Unknown=SET_CHANGE_SUCCESS"},
    FieldCase{kWadm, 0x0006, 2, 0xFFFFFFFF, "0001", "Adm change: Unknown=SET_CHANGE_NOT_ALLOWED"},
    // WADM: the user request and reply number the same fields differently
    FieldCase{kWadm, 0x0009, 0, 0x0006, "4E",       "Nick name=N"},
    FieldCase{kWadm, 0x000A, 0, 0x0004, "4E",       "Nick name=N"},
    FieldCase{kWadm, 0x000A, 0, 0x0021, "0000000000000100", "Total logins count=256"},
    // WADM: "List type" reads two bytes although its kind is DWORD_DEC
    FieldCase{kWadm, 0x000C, 0, 0x0001, "00010000", "List type=LIST_TYPE_CONNECTED"},
    FieldCase{kWadm, 0x000D, 0, 0x000C, "0001000200030004", "Client ver=1.2.3.4"},
    FieldCase{kWadm, 0x000F, 0, 0x0001, "0002",     "Extension type=EXT_TYPE_PLUGIN"},
    FieldCase{kWadm, 0x0010, 0, 0x00A0, "04",       "Extension proxy type=EXT_PROXY_TYPE_SOCKS5"},
    FieldCase{kWadm, 0x0010, 0, 0x0005, "01",       "Unknown"},
    FieldCase{kWadm, 0x0010, 0, 0x009F, "01",       "Unknown"},
    FieldCase{kWadm, 0x0010, 0, 0x00A5, "01",       "Unknown"},
};
// clang-format on

TEST(ServerTablesFields, EachWtldShowsItsNameAndValue) {
  for (const FieldCase& c : kFieldCases) {
    SCOPED_TRACE(testing::Message() << std::hex << "BEX " << c.bexType << "/" << c.bexSub << " ext "
                                    << c.extType << " wTLD " << c.wtldType);
    const FieldTree tree =
        Dissect(BexPacket(c.bexType, c.bexSub, WtldBytes(c.wtldType, Hex(c.valueHex))), c.extType);
    EXPECT_EQ(FirstValueLine(tree), c.shown);
  }
}

// The administration type is above 0x7FFF: read as a signed number it would match no family.
TEST(ServerTablesFields, AdministrationTypeIsComparedUnsigned) {
  const FieldTree tree = Dissect(BexPacket(0xF001, 0x000B, WtldBytes(0x0001, Hex("00000003"))), 0);
  EXPECT_EQ(tree.data(tree.child(tree.child(kNoNode, 0), 2)).Value, "0xF001");
  EXPECT_EQ(FirstValueLine(tree), "Current clients count=3");
  EXPECT_EQ(FindBexTable(0xF001, 0x000B, 0), WadmTable(0x000B, 0));
}

// A sub-type without a table reads none of its data; its neighbours in the list do.
struct SubTypeCase {
  std::uint16_t bexType;
  std::uint16_t bexSub;
  bool decoded;
};

// clang-format off
constexpr std::array kSubTypeCases = {
    SubTypeCase{kExtMan, 0x0000, false},
    SubTypeCase{kExtMan, 0x0007, true},
    SubTypeCase{kExtMan, 0x0008, false},  // SRV_CONFIG_UPDATED has a name but no table
    SubTypeCase{kExtMan, 0x0009, false},
    SubTypeCase{kExtTp,  0x0000, false},
    SubTypeCase{kExtTp,  0x0020, true},
    SubTypeCase{kExtTp,  0x0021, false},
    SubTypeCase{kExtTp,  0xFFFF, false},
    SubTypeCase{kExtPg,  0x0001, true},
    SubTypeCase{kExtPg,  0x0002, false},
    SubTypeCase{kWadm,   0x0000, false},
    SubTypeCase{kWadm,   0x0002, true},
    SubTypeCase{kWadm,   0x0003, false},  // CLI_PARAMS has a name but no table
    SubTypeCase{kWadm,   0x0011, true},
    SubTypeCase{kWadm,   0x0012, false},
};
// clang-format on

TEST(ServerTablesFields, SubTypesWithoutTableLeaveDataEmpty) {
  // Two wTLDs that every decoded table shows as two nodes.
  for (const SubTypeCase& c : kSubTypeCases) {
    for (const std::uint16_t extType : {0, 1, 2}) {
      SCOPED_TRACE(testing::Message()
                   << std::hex << "BEX " << c.bexType << "/" << c.bexSub << " ext " << extType);
      const FieldTree tree =
          Dissect(BexPacket(c.bexType, c.bexSub,
                            Cat(WtldBytes(0x0001, Hex("0001")), WtldBytes(0x0002, Hex("00")))),
                  extType);
      EXPECT_EQ(tree.childCount(DataNode(tree)), c.decoded ? 2u : 0u);
    }
  }
}

// A wTLD type held twice in one table would shadow its second row; an empty name would show
// a nameless field. Both are transcription faults that no single-field case would notice.
TEST(ServerTablesFields, EveryTableHoldsEachTypeOnceWithAName) {
  for (const std::uint16_t bexType : {kExtMan, kExtTp, kExtPg, kWadm}) {
    for (std::uint32_t bexSub = 0; bexSub <= 0x40; ++bexSub) {
      for (const std::uint16_t extType : {0, 1, 2}) {
        const BexTable* table = FindBexTable(bexType, static_cast<std::uint16_t>(bexSub), extType);
        if (table == nullptr) continue;
        SCOPED_TRACE(testing::Message()
                     << std::hex << "BEX " << bexType << "/" << bexSub << " ext " << extType);
        std::set<std::uint32_t> types;
        for (const auto part : {table->rows, table->moreRows}) {
          for (const WtldRow& row : part) {
            EXPECT_TRUE(types.insert(row.type).second) << "wTLD type twice: " << row.type;
            EXPECT_TRUE(!row.name.empty() || row.nested != Nested::None) << row.type;
          }
        }
        // Every transport-extension BEX opens with the object it concerns.
        if (bexType == kExtTp) {
          EXPECT_EQ(FindWtldRow(*table, 0x0001).name, "Object unique ID");
        }
      }
    }
  }
}

}  // namespace
}  // namespace qarnolog::test
