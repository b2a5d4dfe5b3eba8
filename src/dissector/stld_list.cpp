// sTLD lists: the properties of one contact-list item and the description of one transport.
// Each sTLD becomes a node "sTLD (0xTTTT)…" with its "Length" and, when the length is not 0,
// a value node named and rendered by the list's table.
#include <algorithm>  // std::find_if
#include <array>
#include <utility>  // std::move

#include "dissector/nested.h"
#include "dissector/node_build.h"
#include "dissector/wtld_nodes.h"
#include "vocabulary/name_tables.h"
#include "wire/hex.h"
#include "wire/readers.h"
#include "wire/text.h"

namespace qarnolog {

namespace {

// How an sTLD value is shown.
enum class StldValue : std::uint8_t {
  Empty,        // no text
  Utf8,         // the bytes as UTF-8
  Hex,          // BytesToHex of the whole value
  DWordDec,     // first 4 bytes, unsigned decimal
  ByteDec,      // first byte, 0 to 255
  Bool,         // "True" / "False" of the first byte
  UnixTimeUtc,  // first 8 bytes as Unix time, date-time text + " UTC"
  PrivacyType,  // privacy type table of the first byte
  NoteType,     // note type table of the first byte
};

// What an sTLD makes of the caption of the item that holds it, and the mark it sets there.
enum class Caption : std::uint8_t {
  None,
  Group,      // the text, mark 2; in a contact-list item only when not added directly
  Plain,      // the text, no mark
  Transport,  // "Transport: " + the text, mark 3
  Note,       // "Note: " + the text, mark 4
};

struct StldRow {
  std::uint16_t type;
  std::string_view name;  // the value node's name
  StldValue value;
  Caption caption = Caption::None;
};

constexpr StldRow kUnknownStld = {0, "Data", StldValue::Empty};

using enum StldValue;

// Contact-list item sTLDs.
// clang-format off
constexpr std::array kContactStlds = {
    StldRow{0x0001, "GroupName",             Utf8,        Caption::Group},
    StldRow{0x0002, "AccountName",           Utf8,        Caption::Plain},
    StldRow{0x0003, "ContactName",           Utf8},
    StldRow{0x0004, "PrivacyType",           PrivacyType},
    StldRow{0x1001, "TransportItemID",       DWordDec},
    StldRow{0x1002, "TransportUUID",         Hex},
    StldRow{0x1003, "TransportAccountName",  Utf8,        Caption::Transport},
    StldRow{0x1004, "TransportFriendlyName", Utf8},
    StldRow{0x2001, "NoteName",              Utf8,        Caption::Note},
    StldRow{0x2002, "NoteType",              NoteType},
    StldRow{0x2003, "NoteText",              Utf8},
    StldRow{0x2004, "NoteDate",              UnixTimeUtc},
    StldRow{0x2005, "NoteMD5",               Hex},
};

// Transport description sTLDs.
constexpr std::array kTransportStlds = {
    StldRow{0x0001, "Transport full name",                         Utf8, Caption::Group},
    StldRow{0x0002, "Transport short name",                        Utf8},
    StldRow{0x0003, "Name of accounts IDs",                        Utf8},
    StldRow{0x0004, "Default server host/IP",                      Utf8},
    StldRow{0x0005, "Default server port number",                  DWordDec},
    StldRow{0x0006, "Supported QARNO presence statuses array",     Empty},
    StldRow{0x0007, "Additional status pictures supported",        Bool},
    StldRow{0x0008, "Additional status pictures count",            ByteDec},
    StldRow{0x0009, "Add contacts supported",                      Bool},
    StldRow{0x000A, "Update contacts supported",                   Bool},
    StldRow{0x000B, "Delete contacts supported",                   Bool},
    StldRow{0x000C, "Visible list supported",                      Bool},
    StldRow{0x000D, "Invisible list supported",                    Bool},
    StldRow{0x000E, "Ignore list supported",                       Bool},
    StldRow{0x000F, "Move to ignore supported",                    Bool},
    StldRow{0x0010, "Authorization messages supported",            Bool},
    StldRow{0x0011, "Authorization revoke supported",              Bool},
    StldRow{0x0012, "Message acknowledges supported",              Bool},
    StldRow{0x0013, "Notificaton messages supported",              Bool},
    StldRow{0x0014, "Details requests supported",                  Bool},
    StldRow{0x0015, "Can update own details",                      Bool},
    StldRow{0x0016, "Users directory search supported",            Bool},
    StldRow{0x0017, "Avatars supported",                           Bool},
    StldRow{0x0018, "Can update own avatar",                       Bool},
    StldRow{0x0019, "Offline messages supported",                  Bool},
    StldRow{0x001A, "Presence info requests supported",            Bool},
    StldRow{0x001B, "Authorization request reason text supported", Bool},
    StldRow{0x001C, "Revoke authorization reason text supported",  Bool},
    StldRow{0x001D, "Own mailbox URL request supported",           Bool},
    StldRow{0x0081, "Resources, Statuses png URLs",                Empty},
    StldRow{0x0082, "Resources, Additional stpics png URLs",       Empty},
    StldRow{0x0083, "Resources, Custom status pics png URLs",      Empty},
    StldRow{0x1001, "Details NickNameField",                       Bool},
    StldRow{0x1002, "Details FirstNameField",                      Bool},
    StldRow{0x1003, "Details LastNameField",                       Bool},
    StldRow{0x1004, "Details CountryCodeField",                    Bool},
    StldRow{0x1005, "Details RegionStateField",                    Bool},
    StldRow{0x1006, "Details CityField",                           Bool},
    StldRow{0x1007, "Details ZipCodeField",                        Bool},
    StldRow{0x1008, "Details AddressField",                        Bool},
    StldRow{0x1009, "Details LangCode1Field",                      Bool},
    StldRow{0x100A, "Details LangCode2Field",                      Bool},
    StldRow{0x100B, "Details GenderField",                         Bool},
    StldRow{0x100C, "Details BirthdayField",                       Bool},
    StldRow{0x100D, "Details HomePageField",                       Bool},
    StldRow{0x100E, "Details AboutField",                          Bool},
    StldRow{0x100F, "Details InterestsField",                      Bool},
    StldRow{0x1010, "Details Email1Field",                         Bool},
    StldRow{0x1011, "Details Email2Field",                         Bool},
    StldRow{0x1012, "Details HomePhoneField",                      Bool},
    StldRow{0x1013, "Details WorkPhoneField",                      Bool},
    StldRow{0x1014, "Details CellPhoneField",                      Bool},
    StldRow{0x1015, "Details FaxNumField",                         Bool},
    StldRow{0x1016, "Details CompanyField",                        Bool},
    StldRow{0x1017, "Details DivDeptField",                        Bool},
    StldRow{0x1018, "Details PositionField",                       Bool},
    StldRow{0x2001, "Search AccountField",                         Bool},
    StldRow{0x2002, "Search EmailField",                           Bool},
    StldRow{0x2003, "Search NickNameField",                        Bool},
    StldRow{0x2004, "Search FirstNameField",                       Bool},
    StldRow{0x2005, "Search LastNameField",                        Bool},
    StldRow{0x2006, "Search GenderField",                          Bool},
    StldRow{0x2007, "Search AgeField",                             Bool},
    StldRow{0x2008, "Search ContryCodeField",                      Bool},
    StldRow{0x2009, "Search CityField",                            Bool},
    StldRow{0x200A, "Search LangCodeField",                        Bool},
    StldRow{0x200B, "Search InterestsField",                       Bool},
    StldRow{0x200C, "Search ZodiacCodeField",                      Bool},
    StldRow{0x200D, "Search OnlineOnlyField",                      Bool},
};
// clang-format on

template <std::size_t N>
constexpr bool UniqueTypes(const std::array<StldRow, N>& rows) {
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t j = i + 1; j < N; ++j) {
      if (rows[i].type == rows[j].type) return false;
    }
  }
  return true;
}
static_assert(UniqueTypes(kContactStlds));
static_assert(UniqueTypes(kTransportStlds));

template <std::size_t N>
const StldRow& FindStldRow(const std::array<StldRow, N>& rows, std::uint16_t type) {
  const auto* row =
      std::find_if(rows.begin(), rows.end(), [type](const StldRow& r) { return r.type == type; });
  return row == rows.end() ? kUnknownStld : *row;
}

std::string StldValueText(StldValue how, ByteView value) {
  switch (how) {
    case Empty:
      return {};
    case Utf8:
      return Utf8Text(value);
    case Hex:
      return BytesToHex(value);
    case DWordDec:
      return DecimalText(ReadDWord(value, 4));
    case ByteDec:
      return DecimalText(ReadByte(value, 1));
    case Bool:
      return BoolText(ReadBool(value, 1));
    case UnixTimeUtc:
      return UnixTimeText(static_cast<std::int64_t>(ReadQWord(value, 8))) + " UTC";
    case PrivacyType:
      return std::string(CodeName(NameTable::PrivacyType, ReadByte(value, 1)));
    case NoteType:
      return std::string(CodeName(NameTable::NoteType, ReadByte(value, 1)));
  }
  return {};
}

// Applies a row's caption column: updates `caption` and the mark of `given`.
void ApplyCaption(FieldTree& tree, NodeId given, bool direct, const StldRow& row,
                  const std::string& text, std::string& caption) {
  switch (row.caption) {
    case Caption::None:
      return;
    case Caption::Group:
      if (direct) return;
      caption = text;
      tree.setMark(given, kMarkGroup);
      return;
    case Caption::Plain:
      caption = text;
      return;
    case Caption::Transport:
      caption = "Transport: " + text;
      tree.setMark(given, kMarkTransport);
      return;
    case Caption::Note:
      caption = "Note: " + text;
      tree.setMark(given, kMarkNote);
      return;
  }
}

// The walk shared by both list kinds. `named` adds the contact-list sTLD type name to each sTLD
// node. Reads never pass the end of `list`; positions follow the declared sTLD lengths.
template <std::size_t N>
std::string AddStlds(FieldTree& tree, ByteView list, NodeId given, std::int32_t position,
                     bool direct, const std::array<StldRow, N>& rows, bool named) {
  std::string caption;
  NodeId parent = given;
  if (!direct) {
    const auto size = static_cast<std::uint32_t>(list.size());
    parent = tree.append(given, {"sTLDs", {}, position, PosAdd(position, size - 1u)});
  }
  std::int32_t a = position;
  while (!list.empty()) {
    const std::uint16_t type = ReadWord(list, 2);
    const std::string_view typeName =
        named ? CodeName(NameTable::ContactListStldType, type) : std::string_view();
    std::string name;
    name.reserve(16 + typeName.size());
    name += "sTLD (0x";
    name += HexDigits(type, 4);
    name += ')';
    if (named) {
      name += " = ";
      name += typeName;
    }
    const NodeId stld = tree.append(parent, {std::move(name), {}, a, PosAdd(a, 1)});
    const std::uint16_t length = ReadWord(list, 2);
    tree.append(stld, {"Length", DecimalText(length), PosAdd(a, 2), PosAdd(a, 3)}, kMarkLength);
    if (length != 0) {
      const ByteView value = ReadBytes(list, length, length);
      const StldRow& row = FindStldRow(rows, type);
      std::string text = StldValueText(row.value, value);
      ApplyCaption(tree, given, direct, row, text, caption);
      tree.append(stld,
                  {std::string(row.name), std::move(text), PosAdd(a, 4), PosAdd(a, 3u + length)});
    }
    a = PosAdd(a, 4u + length);
  }
  return caption;
}

}  // namespace

std::string AddStldList(FieldTree& tree, ByteView list, NodeId given, std::int32_t position,
                        bool direct) {
  return AddStlds(tree, list, given, position, direct, kContactStlds, true);
}

std::string AddTransportInfoList(FieldTree& tree, ByteView list, NodeId given,
                                 std::int32_t position) {
  return AddStlds(tree, list, given, position, false, kTransportStlds, false);
}

}  // namespace qarnolog
