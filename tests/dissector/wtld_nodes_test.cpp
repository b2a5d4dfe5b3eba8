// AddWtldNodes: the nodes of one wTLD, their positions, and the value texts by kind and by the
// display names of the selection list.
#include "dissector/wtld_nodes.h"

#include <gtest/gtest.h>

#include <algorithm>  // std::any_of
#include <cstdint>
#include <iterator>  // std::size
#include <limits>
#include <set>
#include <span>
#include <string_view>

#include "dissector/families.h"
#include "dissector/node_build.h"
#include "test_support.h"

namespace qarnolog {
namespace {

using test::Hex;

std::string TextOf(std::uint32_t type, std::uint32_t length, std::string_view name,
                   const ByteString& value, std::uint8_t kind, std::int32_t position,
                   std::int32_t* next = nullptr) {
  FieldTree tree;
  const NodeId parent = tree.append(kNoNode, {"Data", {}, 18, 99});
  const std::int32_t result = AddWtldNodes(tree, type, length, name, value, kind, parent, position);
  if (next != nullptr) *next = result;
  return FormatTreeText(tree);
}

constexpr auto kUtf8 = static_cast<std::uint8_t>(ValueKind::Utf8Text);
constexpr auto kNoValue = static_cast<std::uint8_t>(ValueKind::NoValue);

TEST(AddWtldNodes, EmptyValueJoinsTheDisplayNameToTheWtldNode) {
  std::int32_t next = 0;
  EXPECT_EQ(TextOf(0x0A, 0, "Cookie", {}, kUtf8, 18, &next),
            "Data [18-99]\n"
            "  wTLD (0x0000000A) - Cookie [18-21]\n"
            "    Length=0 [22-25] mark=1\n");
  EXPECT_EQ(next, 26);
  EXPECT_EQ(TextOf(0x0A, 0, "", {}, kUtf8, 18),
            "Data [18-99]\n"
            "  wTLD (0x0000000A) [18-21]\n"
            "    Length=0 [22-25] mark=1\n");
}

TEST(AddWtldNodes, ValueNodeSpansTheDeclaredLength) {
  std::int32_t next = 0;
  // "guest" as UTF-8.
  EXPECT_EQ(TextOf(1, 5, "Account", Hex("6775657374"), kUtf8, 18, &next),
            "Data [18-99]\n"
            "  wTLD (0x00000001) [18-21]\n"
            "    Length=5 [22-25] mark=1\n"
            "    Account=guest [26-30]\n");
  EXPECT_EQ(next, 31);
  // The data ended after 2 of 10 declared bytes: the value node still covers all ten.
  EXPECT_EQ(TextOf(0xFFFFFFFF, 10, "", Hex("4142"), kUtf8, 18, &next),
            "Data [18-99]\n"
            "  wTLD (0xFFFFFFFF) [18-21]\n"
            "    Length=10 [22-25] mark=1\n"
            "    Value=AB [26-35]\n");
  EXPECT_EQ(next, 36);
}

TEST(AddWtldNodes, HugeLengthsWithoutBytesAddNoValueNode) {
  std::int32_t next = 0;
  // A length of 0x80000000 or more gives an empty value in the wTLD loop.
  EXPECT_EQ(TextOf(2, 0x80000000u, "Cookie", {}, kUtf8, 18, &next),
            "Data [18-99]\n"
            "  wTLD (0x00000002) - Cookie [18-21]\n"
            "    Length=2147483648 [22-25] mark=1\n");
  EXPECT_EQ(next, 26);
}

TEST(AddWtldNodes, PositionsPastTheSignedRangeWrapAround) {
  // A value present with a declared length near 4 GiB: the sums wrap as 32-bit numbers.
  std::int32_t next = 0;
  const std::string text = TextOf(1, 0xFFFFFFF0u, "Account", Hex("41"), kUtf8, 18, &next);
  EXPECT_NE(text.find("Account=A [26-9]"), std::string::npos) << text;
  EXPECT_EQ(next, 10);
  const std::int32_t top = 0x7FFFFFF8;
  TextOf(1, 0, "", {}, kUtf8, top, &next);
  EXPECT_EQ(next, std::numeric_limits<std::int32_t>::min());
}

TEST(AddWtldNodes, UnknownKindShowsTheNameAlone) {
  EXPECT_EQ(TextOf(3, 1, "Flag", Hex("01"), 12, 18),
            "Data [18-99]\n"
            "  wTLD (0x00000003) [18-21]\n"
            "    Length=1 [22-25] mark=1\n"
            "    Flag [26-26]\n");
}

struct KindCase {
  std::uint8_t kind;
  const char* hex;
  const char* text;
};

TEST(WtldValueText, EveryKind) {
  // clang-format off
  constexpr KindCase kCases[] = {
      {1,  "41C0FF",           "A\xD0\x90\xD1\x8F"},  // Windows-1251: A, А, я
      {2,  "D09FC3",           "\xD0\x9F\xEF\xBF\xBD"},  // П, then a cut sequence as U+FFFD
      {2,  "F09F9880",         "\xF0\x9F\x98\x80"},    // a four-byte sequence
      {3,  "010203",           "258"},                 // extra bytes are ignored
      {3,  "05",               "1280"},                // the missing low byte reads as 0
      {4,  "FFFFFFFF",         "4294967295"},
      {4,  "01",               "16777216"},            // every missing byte reads as 0
      {5,  "0102",             ""},
      {6,  "0000000000000000", "12/30/99 UTC"},        // the date-time zero, no time part
      {6,  "0000000000000001", "01/01/70 00:00:01 UTC"},
      {6,  "FFFFFFFFFFFFFFFF", "12/31/69 23:59:59 UTC"},
      {6,  "FFFFFFF1886E0900", "01/01/01 UTC"},        // -62135596800: 1 January of year 1
      {6,  "FFFFFFF1886E08FF", "12/30/99 UTC"},        // one second earlier: out of range
      {6,  "7FFFFFFFFFFFFFFF", "12/30/99 UTC"},        // past the year 9999
      {7,  "0000000000000000", "Not set / 12/30/99"},
      {7,  "000000005E0BE100", "01/01/20"},            // exactly midnight: the date alone
      {7,  "000000005F5E1000", "09/13/20 12:26:40"},
      {8,  "FF",               "255"},
      {9,  "02",               "True"},
      {9,  "00",               "False"},
      {9,  "",                 "False"},
      {10, "FFFFFFFFFFFFFFFF", "18446744073709551615"},
      {10, "",                 "0"},
      {11, "0AFF00",           "0AFF00"},
      {0,  "01",               ""},
      {12, "01",               ""},
      {255, "01",              ""},
  };
  // clang-format on
  for (const KindCase& c : kCases) {
    EXPECT_EQ(WtldValueText("Some field", Hex(c.hex), c.kind), c.text)
        << "kind " << int{c.kind} << " value " << c.hex;
  }
}

struct SelectionCase {
  const char* name;
  std::uint8_t kind;
  const char* hex;
  const char* text;
};

TEST(WtldValueText, DisplayNamesSelectNameTables) {
  constexpr std::uint8_t dword = 4;
  constexpr std::uint8_t word = 3;
  // clang-format off
  constexpr SelectionCase kCases[] = {
      {"Hello Error Code",               word,  "0001",     "HELLO_ERROR_ACCOUNT_INVALID"},
      {"Hello Error Code",               word,  "0007",     "UNKNOWN"},
      {"hello error code",               2,     "0001",     "HELLO_ERROR_ACCOUNT_INVALID"},  // kind ignored
      {"Item Type",                      word,  "0002",     "CL_ITEM_TYPE_CONTACT"},
      {"Client flags",                   dword, "00000005", "PRES_CF_RCV_CLIENT_NAME_AND_VER | PRES_CF_RCV_CLIENT_DESCRIPTION"},
      {"Client flags",                   dword, "00000010", "0"},  // no known flag: kind of an empty value
      {"Client flags",                   dword, "00000000", "0"},
      {"Client flags",                   9,     "00000010", "False"},
      {"Client flags",                   11,    "00000010", ""},
      {"Required optional client flags", dword, "00000003", "PRES_REQ_FLAG_HOSTNAME"},
      {"Adm change: Max clients count",  dword, "0001",     "SET_CHANGE_NOT_ALLOWED"},
      {"ADM CHANGE: anything",           dword, "0000",     "SET_CHANGE_SUCCESS"},
      {"adm change",                     dword, "00000001", "1"},  // no colon: not selected
      {"Client version",                 10,    "0000000000000002", "2"},  // not "client ver"
      {"Client ver",                     10,    "000200000000000A0100", "2.0.0.10"},
      {"Client caps",                    11,    "0001000600",         "CAP_MSGS_UTF8, CAP_AVATARS, UNK_0000"},
      {"Presence status",                dword, "0000FFFF", "PRES_STATUS_OFFLINE"},
      {"Presence status",                dword, "FFFFFFFF", "UNKNOWN"},
      {"Privacy type",                   8,     "0300",     "CL_PRIV_TYPE_IGNORE_LIST"},  // 1 byte
      {"Status picture flags and index", dword, "00010005", "[Index=5], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]"},
      {" Item Type",                     word,  "0002",     "2"},  // exact match only
  };
  // clang-format on
  for (const SelectionCase& c : kCases) {
    EXPECT_EQ(WtldValueText(c.name, Hex(c.hex), c.kind), c.text) << c.name << " " << c.hex;
  }
}

TEST(UnixTimeText, FollowsTheCurrentTimeLocale) {
  EXPECT_EQ(UnixTimeText(0), "12/30/99");
  EXPECT_EQ(UnixTimeText(1), "01/01/70 00:00:01");
  EXPECT_EQ(UnixTimeText(-62135596800), "01/01/01");
  EXPECT_EQ(UnixTimeText(253402300799), "12/31/99 23:59:59");  // the last second of 9999
  EXPECT_EQ(UnixTimeText(std::numeric_limits<std::int64_t>::min()), "12/30/99");
  EXPECT_EQ(UnixTimeText(std::numeric_limits<std::int64_t>::max()), "12/30/99");
}

// The lowered names that the list compares with, in the order tested. They are made from the
// display-name constants of the tables, so a constant that changes its letters shows here.
TEST(SelectionList, LoweredNamesInTheirOrder) {
  // clang-format off
  constexpr std::string_view kLowered[] = {
      "hello error code",
      "login error code",
      "bye reason code",
      "item type",
      "add result code",
      "del result code",
      "update result code",
      "auth reply code",
      "operation code",
      "client type",
      "client ver",
      "client caps",
      "presence status",
      "msg type",
      "notify type",
      "notify value",
      "encryption type",
      "details result code",
      "update details result code",
      "update security result code",
      "search result code",
      "avatar request result code",
      "avatar set result code",
      "ft reply code",
      "ft control code",
      "ft error code",
      "transport settings update result code",
      "connection managing code",
      "transport state code",
      "extension type",
      "extension register reply code",
      "object creation result code",
      "object destruction result code",
      "adm change:",
      "broadcast flag",
      "broadcast result code",
      "user command",
      "user operation result code",
      "list type",
      "list request result code",
      "registration result code",
      "admin login ack code",
      "extension admin update result code",
      "privacy type",
      "client flags",
      "required optional client flags",
      "extension proxy type",
      "status picture flags and index",
  };
  // clang-format on
  const std::span<const std::string_view> names = SelectionListNames();
  ASSERT_EQ(names.size(), std::size(kLowered));
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(names[i], kLowered[i]) << "entry " << i + 1;
  }
}

// Every entry of the selection list must be reachable from some BEX table row: an entry that no
// display name selects points to a typo in the list or in a table.
TEST(SelectionList, EveryEntryIsNamedByATableRow) {
  constexpr std::uint16_t kBexTypes[] = {0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006,
                                         0x0007, 0x0008, 0x1000, 0x1001, 0x1002, 0xF001};
  std::set<std::string> lowered;
  const auto add = [&lowered](std::string_view name) {
    std::string text(name);
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    lowered.insert(text);
  };
  for (const std::uint16_t type : kBexTypes) {
    for (std::uint32_t sub = 0; sub <= 0xFFFF; ++sub) {
      for (std::uint16_t extType = 0; extType <= 2; ++extType) {
        const BexTable* table = FindBexTable(type, static_cast<std::uint16_t>(sub), extType);
        if (table == nullptr) continue;
        for (const WtldRow& row : table->rows) add(row.name);
        for (const WtldRow& row : table->moreRows) add(row.name);
        add(table->fallback.name);
      }
    }
  }
  for (const std::string_view entry : SelectionListNames()) {
    const bool prefix = entry.ends_with(':');
    const auto found = std::any_of(lowered.begin(), lowered.end(), [&](const std::string& name) {
      return prefix ? name.starts_with(entry) : name == entry;
    });
    EXPECT_TRUE(found) << "no table row selects \"" << entry << "\"";
  }
}

}  // namespace
}  // namespace qarnolog
