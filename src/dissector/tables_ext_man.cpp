// BEX tables of the EXT_MAN family: registration of a server extension, its parameters, and the
// creation and destruction of the objects it serves. CLI_PARAMS and SRV_CREATE decode by the
// window's extension type (1 a transport, 2 a plug-in); no other BEX of the dissector does.
#include <algorithm>  // std::ranges::find, std::ranges::all_of
#include <array>

#include "dissector/display_names.h"
#include "dissector/families.h"

namespace qarnolog {

namespace {

using enum ValueKind;

// clang-format off

// QARNO_BEX_EXT_MAN_CLI_REGISTER
constexpr auto kCliRegister = std::to_array<WtldRow>({
    {0x0001, kExtensionType,   WordDec},
    {0x0002, "Extension UUID", HexBytes},
});

// QARNO_BEX_EXT_MAN_SRV_REGISTER_REPLY
constexpr auto kSrvRegisterReply = std::to_array<WtldRow>({
    {0x0001, kExtensionRegisterReplyCode, WordDec},
    {0x0002, "Users DB directory path",   Utf8Text},
    {0x0003, "Log files path",            Utf8Text},
    {0x0004, "Max avatar file size",      DWordDec},
});

// QARNO_BEX_EXT_MAN_CLI_PARAMS, every extension type: wTLD types 0x0001 to 0x000F
constexpr auto kParamsCommon = std::to_array<WtldRow>({
    {0x0001, "Extension name",            Utf8Text},
    {0x0002, "Extension version",         Utf8Text},
    {0x0003, "Extension author",          Utf8Text},
    {0x0004, "Extension information URL", Utf8Text},
    {0x0005, "Reserved",                  NoValue},
    {0x0006, "Reserved",                  NoValue},
    {0x0007, "Reserved",                  NoValue},
    {0x0008, "Reserved",                  NoValue},
    {0x0009, "Reserved",                  NoValue},
    {0x000A, "Reserved",                  NoValue},
    {0x000B, "Reserved",                  NoValue},
    {0x000C, "Reserved",                  NoValue},
    {0x000D, "Reserved",                  NoValue},
    {0x000E, "Reserved",                  NoValue},
    {0x000F, "Reserved",                  NoValue},
});

// QARNO_BEX_EXT_MAN_CLI_PARAMS of a transport (extension type 1)
constexpr auto kParamsTransport = std::to_array<WtldRow>({
    // Names, default server and supported features
    {0x0010, "Transport full name",                     Utf8Text},
    {0x0011, "Transport short name",                    Utf8Text},
    {0x0012, "Name of accounts IDs",                    Utf8Text},
    {0x0013, "Default server host/IP",                  Utf8Text},
    {0x0014, "Default server port number",              DWordDec},
    {0x0015, "Supported QARNO presence statuses array", NoValue},
    {0x0016, "Additional status pictures supported",    Bool},
    {0x0017, "Add contacts supported",                  Bool},
    {0x0018, "Update contacts supported",               Bool},
    {0x0019, "Delete contacts supported",               Bool},
    {0x001A, "Visible list supported",                  Bool},
    {0x001B, "Invisible list supported",                Bool},
    {0x001C, "Ignore list supported",                   Bool},
    {0x001D, "Move to ignore supported",                Bool},
    {0x001E, "Authorization messages supported",        Bool},
    {0x001F, "Authorization revoke supported",          Bool},
    {0x0020, "Message acknowledges supported",          Bool},
    {0x0021, "Notificaton messages supported",          Bool},
    {0x0022, "Details requests supported",              Bool},
    {0x0023, "Can update own details",                  Bool},
    {0x0024, "Users directory search supported",        Bool},
    {0x0025, "Avatars supported",                       Bool},
    {0x0026, "Offline messages supported",              Bool},
    {0x0027, "Additional status pictures count",        ByteDec},
    {0x0028, "Can update own avatar",                   Bool},
    {0x0029, "Presence info requests supported",        Bool},
    // Picture URL lists
    {0x0081, "Statuses png URLs",                       NoValue},
    {0x0082, "Additional stpics png URLs",              NoValue},
    {0x0083, "Custom status pics png URLs",             NoValue},
    // User-details fields the transport supports
    {0x1001, "NickNameField",                           Bool},
    {0x1002, "FirstNameField",                          Bool},
    {0x1003, "LastNameField",                           Bool},
    {0x1004, "CountryCodeField",                        Bool},
    {0x1005, "RegionStateField",                        Bool},
    {0x1006, "CityField",                               Bool},
    {0x1007, "ZipCodeField",                            Bool},
    {0x1008, "AddressField",                            Bool},
    {0x1009, "LangCode1Field",                          Bool},
    {0x100A, "LangCode2Field",                          Bool},
    {0x100B, "GenderField",                             Bool},
    {0x100C, "BirthdayField",                           Bool},
    {0x100D, "HomePageField",                           Bool},
    {0x100E, "AboutField",                              Bool},
    {0x100F, "InterestsField",                          Bool},
    {0x1010, "Email1Field",                             Bool},
    {0x1011, "Email2Field",                             Bool},
    {0x1012, "HomePhoneField",                          Bool},
    {0x1013, "WorkPhoneField",                          Bool},
    {0x1014, "CellPhoneField",                          Bool},
    {0x1015, "FaxNumField",                             Bool},
    {0x1016, "CompanyField",                            Bool},
    {0x1017, "DivDeptField",                            Bool},
    {0x1018, "PositionField",                           Bool},
    // Search fields the transport supports
    {0x2001, "AccountField",                            Bool},
    {0x2002, "EmailField",                              Bool},
    {0x2003, "NickNameField",                           Bool},
    {0x2004, "FirstNameField",                          Bool},
    {0x2005, "LastNameField",                           Bool},
    {0x2006, "GenderField",                             Bool},
    {0x2007, "AgeField",                                Bool},
    {0x2008, "ContryCodeField",                         Bool},
    {0x2009, "CityField",                               Bool},
    {0x200A, "LangCodeField",                           Bool},
    {0x200B, "InterestsField",                          Bool},
    {0x200C, "ZodiacCodeField",                         Bool},
    {0x200D, "OnlineOnlyField",                         Bool},
});

// QARNO_BEX_EXT_MAN_CLI_PARAMS of a plug-in (extension type 2)
constexpr auto kParamsPlugin = std::to_array<WtldRow>({
    {0x0010, "Listen for text messages", Bool},
});

// QARNO_BEX_EXT_MAN_SRV_CREATE, to a transport (extension type 1)
constexpr auto kSrvCreate = std::to_array<WtldRow>({
    {0x0001, "Client QARNO language code", WordDec},
    {0x0002, "Client name",                Utf8Text},
    {0x0003, "Client version",             QWordDec},
    {0x0004, "Client OS",                  Utf8Text},
});

// QARNO_BEX_EXT_MAN_CLI_CREATE_REPLY
constexpr auto kCliCreateReply = std::to_array<WtldRow>({
    {0x0001, kObjectCreationResultCode, WordDec},
    {0x0002, "New object unique ID",    DWordDec},
    {0x0003, "Available options array", NoValue},
});

// QARNO_BEX_EXT_MAN_SRV_DESTROY
constexpr auto kSrvDestroy = std::to_array<WtldRow>({
    {0x0001, "Destroying object unique ID", DWordDec},
});

// QARNO_BEX_EXT_MAN_CLI_DESTROY_REPLY
constexpr auto kCliDestroyReply = std::to_array<WtldRow>({
    {0x0001, kObjectDestructionResultCode,  WordDec},
    {0x0002, "Destructed object unique ID", DWordDec},
});

// clang-format on

// The common rows own 0x0001 to 0x000F in every extension type; the per-type rows start above.
constexpr bool StartsAbove(std::span<const WtldRow> rows, std::uint32_t last) {
  return std::ranges::all_of(rows, [last](const WtldRow& row) { return row.type > last; });
}
static_assert(StartsAbove(kParamsTransport, 0x000F) && StartsAbove(kParamsPlugin, 0x000F));

constexpr BexTable kCliRegisterTable = {kCliRegister};
constexpr BexTable kSrvRegisterReplyTable = {kSrvRegisterReply};
constexpr BexTable kParamsTransportTable = {kParamsCommon, kParamsTransport};
constexpr BexTable kParamsPluginTable = {kParamsCommon, kParamsPlugin};
constexpr BexTable kParamsOtherTable = {kParamsCommon};
constexpr BexTable kSrvCreateTable = {kSrvCreate};
// Every wTLD "Unknown": decoded (each wTLD shown and consumed), but nothing named.
constexpr BexTable kAllUnknownTable = {};
constexpr BexTable kCliCreateReplyTable = {kCliCreateReply};
constexpr BexTable kSrvDestroyTable = {kSrvDestroy};
constexpr BexTable kCliDestroyReplyTable = {kCliDestroyReply};

// The table of a sub-type for each extension type; nullptr: not decoded.
struct ExtManSub {
  std::uint16_t bexSub;
  const BexTable* transport;  // extension type 1
  const BexTable* plugin;     // extension type 2
  const BexTable* other;      // any other extension type
};

// clang-format off
constexpr auto kExtManSubs = std::to_array<ExtManSub>({
    {0x0001, &kCliRegisterTable,      &kCliRegisterTable,      &kCliRegisterTable},       // CLI_REGISTER
    {0x0002, &kSrvRegisterReplyTable, &kSrvRegisterReplyTable, &kSrvRegisterReplyTable},  // SRV_REGISTER_REPLY
    {0x0003, &kParamsTransportTable,  &kParamsPluginTable,     &kParamsOtherTable},       // CLI_PARAMS
    {0x0004, &kSrvCreateTable,        &kAllUnknownTable,       &kAllUnknownTable},        // SRV_CREATE
    {0x0005, &kCliCreateReplyTable,   &kCliCreateReplyTable,   &kCliCreateReplyTable},    // CLI_CREATE_REPLY
    {0x0006, &kSrvDestroyTable,       &kSrvDestroyTable,       &kSrvDestroyTable},        // SRV_DESTROY
    {0x0007, &kCliDestroyReplyTable,  &kCliDestroyReplyTable,  &kCliDestroyReplyTable},   // CLI_DESTROY_REPLY
    {0x0008, nullptr,                 nullptr,                 nullptr},                  // SRV_CONFIG_UPDATED
});
// clang-format on

constexpr std::uint16_t kExtTypeTransport = 1;
constexpr std::uint16_t kExtTypePlugin = 2;

}  // namespace

const BexTable* ExtManTable(std::uint16_t bexSub, std::uint16_t extType) {
  const auto sub = std::ranges::find(kExtManSubs, bexSub, &ExtManSub::bexSub);
  if (sub == kExtManSubs.end()) return nullptr;
  if (extType == kExtTypeTransport) return sub->transport;
  if (extType == kExtTypePlugin) return sub->plugin;
  return sub->other;
}

}  // namespace qarnolog
