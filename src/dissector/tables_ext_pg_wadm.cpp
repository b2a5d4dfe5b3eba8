// BEX tables of the EXT_PG family (the server's text message to a plug-in) and of the WADM
// family (server administration: login, server parameters, broadcasts, users, lists,
// extensions). The server parameters and their change results share one list of wTLD types.
#include <algorithm>  // std::ranges::find, std::ranges::all_of, std::ranges::transform
#include <array>
#include <string_view>

#include "dissector/display_names.h"
#include "dissector/families.h"

namespace qarnolog {

namespace {

using enum ValueKind;

// clang-format off

// QARNO_BEX_EXT_PG_SRV_TEXT_MSG
constexpr auto kPgSrvTextMsg = std::to_array<WtldRow>({
    {0x0001, "Sender account",                       Utf8Text},
    {0x0002, "Receiver account",                     Utf8Text},
    {0x0003, kMsgType,                               DWordDec},
    {0x0004, "Msg data",                             NoValue},
    {0x0005, "Ack required",                         NoValue},
    {0x0006, "Encrypted",                            NoValue},
    {0x0007, "System message",                       NoValue},
    {0x0008, "System message popup window position", ByteDec},
    {0x0009, "Multiple message",                     NoValue},
    {0x000A, "Receiver is Offline",                  NoValue},
    {0x000B, "Transport owner account",              Utf8Text},
    {0x000C, "Transport UUID",                       HexBytes},
});

// QARNO_BEX_WADM_CLI_LOGIN
constexpr auto kCliLogin = std::to_array<WtldRow>({
    {0x0001, "Admin server key", RawText},
});

// QARNO_BEX_WADM_SRV_LOGIN_REPLY
constexpr auto kSrvLoginReply = std::to_array<WtldRow>({
    {0x0001, kAdminLoginAckCode, WordDec},
    {0x0002, "Server ver",       NoValue},
});

// clang-format on

// One server parameter: how QARNO_BEX_WADM_SRV_PARAMS_REPLY and QARNO_BEX_WADM_CLI_SET show it,
// and the name of its change result in QARNO_BEX_WADM_SRV_SET_REPLY (always a WordDec shown
// through the settings change result names, which every "Adm change:" name selects).
struct ServerParamRow {
  std::uint32_t type;
  std::string_view name;
  ValueKind kind;
  std::string_view changeName;
  Nested nested = Nested::None;
};

// clang-format off

// QARNO_BEX_WADM_SRV_PARAMS_REPLY, QARNO_BEX_WADM_CLI_SET; QARNO_BEX_WADM_SRV_SET_REPLY in the
// last column. The general contact list (0x002D) goes whole to the contact-list decoder.
constexpr auto kServerParams = std::to_array<ServerParamRow>({
    {0x0001, "Users DB directory path",                                             Utf8Text, "Adm change: Users DB directory path"},
    {0x0002, "Listen port main",                                                    DWordDec, "Adm change: Listen port main"},
    {0x0003, "Listen port admin",                                                   DWordDec, "Adm change: Listen port admin"},
    {0x0004, "Start main server on run",                                            Bool,     "Adm change: Start main server on run"},
    {0x0005, "Start admin server on run",                                           Bool,     "Adm change: Start admin server on run"},
    {0x0006, "Listening on main port",                                              Bool,     "Adm change: Listening on main port"},
    {0x0007, "Listening on admin port",                                             Bool,     "Adm change: Listening on admin port"},
    {0x0008, "Admin server key autochange",                                         Bool,     "Adm change: Admin server key autochange"},
    {0x0009, "Admin srever key change seconds",                                     DWordDec, "Adm change: Admin srever key change seconds"},
    {0x000A, "Max clients count",                                                   DWordDec, "Adm change: Max clients count"},
    {0x000B, "Current clients count",                                               DWordDec, "Adm change: Current clients count"},
    {0x000C, "Total registered users count",                                        DWordDec, "Adm change: Total registered users count"},
    {0x000D, "Authentication timeout",                                              DWordDec, "Adm change: Authentication timeout"},
    {0x000E, "PingPong secs",                                                       DWordDec, "Adm change: PingPong secs"},
    {0x000F, "Max account name len",                                                DWordDec, "Adm change: Max account name len"},
    {0x0010, "Max groups count",                                                    DWordDec, "Adm change: Max groups count"},
    {0x0011, "Max group name len",                                                  DWordDec, "Adm change: Max group name len"},
    {0x0012, "Max contacts count",                                                  DWordDec, "Adm change: Max contacts count"},
    {0x0013, "Max contact name len",                                                DWordDec, "Adm change: Max contact name len"},
    {0x0014, "Max auth reson len",                                                  DWordDec, "Adm change: Max auth reson len"},
    {0x0015, "Max status name len",                                                 DWordDec, "Adm change: Max status name len"},
    {0x0016, "Max status pic description len",                                      DWordDec, "Adm change: Max status pic description len"},
    {0x0017, "Max client name len",                                                 DWordDec, "Adm change: Max client name len"},
    {0x0018, "Max capabilities count",                                              DWordDec, "Adm change: Max capabilities count"},
    {0x0019, "Max msg data len",                                                    DWordDec, "Adm change: Max msg data len"},
    {0x001A, "Max details field len",                                               DWordDec, "Adm change: Max details field len"},
    {0x001B, "Max about field len",                                                 DWordDec, "Adm change: Max about field len"},
    {0x001C, "Max avatar file size",                                                DWordDec, "Adm change: Max avatar file size"},
    {0x001D, "IP ban list",                                                         NoValue,  "Adm change: IP ban list"},
    {0x001E, "Users can reg accounts",                                              Bool,     "Adm change: Users can reg accounts"},
    {0x001F, "Registration URL",                                                    Utf8Text, "Adm change: Registration URL"},
    {0x0020, "Allowed chars in the account for registration",                       Utf8Text, "Adm change: Allowed chars in the account for reg"},
    {0x0021, "Disallowed first char in the account for registration",               Utf8Text, "Adm change: Disallowed first char in the account for reg"},
    {0x0022, "Disallowed last char in the account for registration",                Utf8Text, "Adm change: Disallowed last char in the account for reg"},
    {0x0023, "Min account name length for registration",                            DWordDec, "Adm change: Min account name length for reg"},
    {0x0024, "Password reminder URL",                                               Utf8Text, "Adm change: Password reminder URL"},
    {0x0025, "Log files path",                                                      Utf8Text, "Adm change: Log files path"},
    {0x0026, "Log main server",                                                     Bool,     "Adm change: Log main server"},
    {0x0027, "Log admin server",                                                    Bool,     "Adm change: Log admin server"},
    {0x0028, "Secure email/password change URL",                                    Utf8Text, "Adm change: Secure email/password change URL"},
    {0x0029, "Users can change secure email",                                       Bool,     "Adm change: Users can change secure email"},
    {0x002A, "Users can change password",                                           Bool,     "Adm change: Users can change password"},
    {0x002B, "Optional port main 1",                                                DWordDec, "Adm change: Optional port main 1"},
    {0x002C, "Optional port main 2",                                                DWordDec, "Adm change: Optional port main 2"},
    {0x002D, "",                                                                    NoValue,  "Adm change: General contact list", Nested::ContactList},
    {0x002E, "File transfer enabled",                                               Bool,     "Adm change: File transfer enabled"},
    {0x002F, "File proxy enabled",                                                  Bool,     "Adm change: File proxy enabled"},
    {0x0030, "File proxy host or IP",                                               Utf8Text, "Adm change: File proxy host or IP"},
    {0x0031, "File proxy port",                                                     DWordDec, "Adm change: File proxy port"},
    {0x0032, "File proxy transfer per day limit (MB)",                              DWordDec, "Adm change: File proxy transfer per day limit (MB)"},
    {0x0033, "File proxy log enabled",                                              Bool,     "Adm change: File proxy log enabled"},
    {0x0034, "File proxy maximal clients count",                                    DWordDec, "Adm change: File proxy maximal clients count"},
    {0x0035, "Show clients IP addresses",                                           Bool,     "Adm change: Show clients IP addresses"},
    {0x0036, "Disable anti-flood control",                                          Bool,     "Adm change: Disable anti-flood control"},
    {0x0037, "Allow fast multiple messages",                                        Bool,     "Adm change: Allow fast multiple messages"},
    {0x0038, "Clear users local contacts after updating general CL",                Bool,     "Adm change: Clear users local contacts after updating general CL"},
    {0x0039, "Disallow clients update general contact list items",                  Bool,     "Adm change: Disallow clients update general contact list items"},
    {0x003A, "Automatically remove authorization flags after adding contacts",      Bool,     "Adm change: Automatically remove authorization flags after adding contacts"},
    {0x003B, "Maximal transports count per client",                                 DWordDec, "Adm change: Maximal transports count per client"},
    {0x003C, "Maximal notes count in contact list",                                 DWordDec, "Adm change: Maximal notes count in contact list"},
    {0x003D, "Maximal note name length",                                            DWordDec, "Adm change: Maximal note name length"},
    {0x003E, "Maximal note text length",                                            DWordDec, "Adm change: Maximal note text length"},
    {0x003F, "Listen for incoming connections on main server SSL port",             Bool,     "Adm change: Listen for incoming connections on main server SSL port"},
    {0x0040, "Main server SSL port number to listen incoming connections",          DWordDec, "Adm change: Main server SSL port number to listen incoming connections"},
    {0x0041, "Main server optional SSL port number to listen incoming connections", DWordDec, "Adm change: Main server optional SSL port number to listen incoming connections"},
    {0x0042, "Main server optional SSL port number to listen incoming connections", DWordDec, "Adm change: Main server optional SSL port number to listen incoming connections"},
    {0x0043, "Secure email required during registration flag",                      Bool,     "Adm change: Secure email required during registration flag"},
    {0x0044, "Use Windows domain authentication flag",                              Bool,     "Adm change: Use Windows domain authentication flag"},
});

// clang-format on

// Every change result is shown through the settings change result names: its name is the
// selecting prefix, one space and the parameter's name.
constexpr bool IsChangeResultName(std::string_view name) {
  return name.starts_with(kAdmChangePrefix) &&
         name.substr(kAdmChangePrefix.size()).starts_with(' ');
}
static_assert(std::ranges::all_of(kServerParams, [](const ServerParamRow& p) {
  return IsChangeResultName(p.changeName);
}));

// The rows of the parameters themselves (PARAMS_REPLY, CLI_SET).
constexpr auto ParamRows() {
  std::array<WtldRow, kServerParams.size()> rows{};
  std::ranges::transform(kServerParams, rows.begin(), [](const ServerParamRow& p) {
    return WtldRow{p.type, p.name, p.kind, p.nested};
  });
  return rows;
}

// The rows of their change results (SET_REPLY): the same wTLD types, each a result code.
constexpr auto ChangeResultRows() {
  std::array<WtldRow, kServerParams.size()> rows{};
  std::ranges::transform(kServerParams, rows.begin(), [](const ServerParamRow& p) {
    return WtldRow{p.type, p.changeName, WordDec};
  });
  return rows;
}

constexpr auto kSrvParamsReply = ParamRows();
constexpr auto kSrvSetReply = ChangeResultRows();

// clang-format off

// QARNO_BEX_WADM_CLI_BROADCAST
constexpr auto kCliBroadcast = std::to_array<WtldRow>({
    {0x0001, kBroadcastFlag,                         WordDec},
    {0x0002, "System message text",                  Utf8Text},
    {0x0003, "System message popup window position", ByteDec},
});

// QARNO_BEX_WADM_SRV_BROADCAST_REPLY
constexpr auto kSrvBroadcastReply = std::to_array<WtldRow>({
    {0x0001, kBroadcastResultCode, WordDec},
});

// QARNO_BEX_WADM_CLI_USER
constexpr auto kCliUser = std::to_array<WtldRow>({
    {0x0001, kUserCommand,                         WordDec},
    {0x0002, "Account",                            Utf8Text},
    {0x0003, "Password",                           Utf8Text},
    {0x0004, "Secure email",                       Utf8Text},
    {0x0005, "Ban/unban note",                     Utf8Text},
    {0x0006, "Nick name",                          Utf8Text},
    {0x0007, "First name",                         Utf8Text},
    {0x0008, "Last name",                          Utf8Text},
    {0x0009, "Country",                            WordDec},
    {0x000A, "Region/state",                       Utf8Text},
    {0x000B, "City",                               Utf8Text},
    {0x000C, "Zip code",                           Utf8Text},
    {0x000D, "Address",                            Utf8Text},
    {0x000E, "Language1",                          WordDec},
    {0x000F, "Language2",                          WordDec},
    {0x0010, "Gender",                             ByteDec},
    {0x0011, "Birthday",                           UnixTimeOrNotSet},
    {0x0012, "Homepage",                           Utf8Text},
    {0x0013, "About",                              Utf8Text},
    {0x0014, "Interests",                          Utf8Text},
    {0x0015, "Email1",                             Utf8Text},
    {0x0016, "Email2",                             Utf8Text},
    {0x0017, "Home phone",                         Utf8Text},
    {0x0018, "Work phone",                         Utf8Text},
    {0x0019, "Cellular phone",                     Utf8Text},
    {0x001A, "Fax number",                         Utf8Text},
    {0x001B, "Don't show online status in search", Bool},
    {0x001C, "Company",                            Utf8Text},
    {0x001D, "Div/Dept",                           Utf8Text},
    {0x001E, "Position",                           Utf8Text},
});

// QARNO_BEX_WADM_SRV_USER_REPLY (numbers the same fields differently from CLI_USER)
constexpr auto kSrvUserReply = std::to_array<WtldRow>({
    {0x0001, kUserOperationResultCode,             WordDec},
    {0x0002, "Account",                            Utf8Text},
    {0x0003, "Secure email",                       Utf8Text},
    {0x0004, "Nick name",                          Utf8Text},
    {0x0005, "First name",                         Utf8Text},
    {0x0006, "Last name",                          Utf8Text},
    {0x0007, "Country",                            WordDec},
    {0x0008, "Region/state",                       Utf8Text},
    {0x0009, "City",                               Utf8Text},
    {0x000A, "Zip code",                           Utf8Text},
    {0x000B, "Address",                            Utf8Text},
    {0x000C, "Language1",                          WordDec},
    {0x000D, "Language2",                          WordDec},
    {0x000E, "Gender",                             ByteDec},
    {0x000F, "Birthday",                           UnixTimeOrNotSet},
    {0x0010, "Homepage",                           Utf8Text},
    {0x0011, "About",                              Utf8Text},
    {0x0012, "Interests",                          Utf8Text},
    {0x0013, "Email1",                             Utf8Text},
    {0x0014, "Email2",                             Utf8Text},
    {0x0015, "Home phone",                         Utf8Text},
    {0x0016, "Work phone",                         Utf8Text},
    {0x0017, "Cellular phone",                     Utf8Text},
    {0x0018, "Fax number",                         Utf8Text},
    {0x0019, "Pass hash",                          Utf8Text},
    {0x001A, "Registration date",                  UnixTimeUtc},
    {0x001B, kPresenceStatus,                      DWordDec},
    {0x001C, "Last connected",                     UnixTimeUtc},
    {0x001D, "Last IP",                            Utf8Text},
    {0x001E, "Banned",                             Bool},
    {0x001F, "Ban/unban date",                     UnixTimeUtc},
    {0x0020, "Ban/unban note",                     Utf8Text},
    {0x0021, "Total logins count",                 QWordDec},
    {0x0022, "Don't show online status in search", Bool},
    {0x0023, "Company",                            Utf8Text},
    {0x0024, "Div/Dept",                           Utf8Text},
    {0x0025, "Position",                           Utf8Text},
});

// QARNO_BEX_WADM_SRV_STATE
constexpr auto kSrvState = std::to_array<WtldRow>({
    {0x0001, "Current clients count",        DWordDec},
    {0x0002, "Total registered users count", DWordDec},
});

// QARNO_BEX_WADM_CLI_LIST
constexpr auto kCliList = std::to_array<WtldRow>({
    {0x0001, kListType,                    DWordDec},
    {0x0002, "Next users from this index", DWordDec},
});

// QARNO_BEX_WADM_SRV_LIST_REPLY
constexpr auto kSrvListReply = std::to_array<WtldRow>({
    {0x0001, kListRequestResultCode,        DWordDec},
    {0x0002, "Last index for next request", DWordDec},
    {0x0003, "Account",                     Utf8Text},
    {0x0004, "Last IP",                     Utf8Text},
    {0x0005, "Total logins count",          QWordDec},
    {0x0006, "Secure email",                Utf8Text},
    {0x0007, "Nick name",                   Utf8Text},
    {0x0008, "First name",                  Utf8Text},
    {0x0009, "Last name",                   Utf8Text},
    {0x000A, "Last connected",              UnixTimeUtc},
    {0x000B, "Client name",                 Utf8Text},
    {0x000C, kClientVer,                    NoValue},
});

// QARNO_BEX_WADM_CLI_EXT_LIST_REQ
constexpr auto kCliExtListReq = std::to_array<WtldRow>({
    {0x0001, kExtensionType, WordDec},
});

// QARNO_BEX_WADM_SRV_EXT_LIST_REPLY
constexpr auto kSrvExtListReply = std::to_array<WtldRow>({
    {0x0001, kExtensionType,                            WordDec},
    {0x0002, "Available extensions items of this type", NoValue},
});

// QARNO_BEX_WADM_CLI_EXT_UPD
constexpr auto kCliExtUpd = std::to_array<WtldRow>({
    {0x0001, "Extension UUID",          HexBytes},
    {0x0002, "Extension enabled",       Bool},
    {0x0003, "Use accounts allow list", Bool},
    {0x0004, "Accounts allow list",     Utf8Text},
    {0x00A0, kExtensionProxyType,       ByteDec},
    {0x00A1, "Proxy host",              Utf8Text},
    {0x00A2, "Proxy port",              DWordDec},
    {0x00A3, "Proxy user",              Utf8Text},
    {0x00A4, "Proxy password",          Utf8Text},
});

// QARNO_BEX_WADM_SRV_EXT_UPD_REPLY
constexpr auto kSrvExtUpdReply = std::to_array<WtldRow>({
    {0x0001, "Extension UUID",                HexBytes},
    {0x0002, kExtensionAdminUpdateResultCode, WordDec},
});

// clang-format on

constexpr BexTable kPgSrvTextMsgTable = {kPgSrvTextMsg};
constexpr BexTable kCliLoginTable = {kCliLogin};
constexpr BexTable kSrvLoginReplyTable = {kSrvLoginReply};
constexpr BexTable kSrvParamsReplyTable = {kSrvParamsReply};
// A change result of a parameter this list does not know is still a result code.
constexpr WtldRow kUnknownChangeResult = {0, "Adm change: Unknown", WordDec};
static_assert(IsChangeResultName(kUnknownChangeResult.name));
constexpr BexTable kSrvSetReplyTable = {.rows = kSrvSetReply, .fallback = kUnknownChangeResult};
constexpr BexTable kCliBroadcastTable = {kCliBroadcast};
constexpr BexTable kSrvBroadcastReplyTable = {kSrvBroadcastReply};
constexpr BexTable kCliUserTable = {kCliUser};
constexpr BexTable kSrvUserReplyTable = {kSrvUserReply};
constexpr BexTable kSrvStateTable = {kSrvState};
constexpr BexTable kCliListTable = {kCliList};
constexpr BexTable kSrvListReplyTable = {kSrvListReply};
constexpr BexTable kCliExtListReqTable = {kCliExtListReq};
constexpr BexTable kSrvExtListReplyTable = {kSrvExtListReply};
constexpr BexTable kCliExtUpdTable = {kCliExtUpd};
constexpr BexTable kSrvExtUpdReplyTable = {kSrvExtUpdReply};

// A sub-type and its table; nullptr: not decoded.
struct SubTable {
  std::uint16_t bexSub;
  const BexTable* table;
};

// clang-format off
constexpr auto kExtPgSubs = std::to_array<SubTable>({
    {0x0001, &kPgSrvTextMsgTable},       // SRV_TEXT_MSG
});

constexpr auto kWadmSubs = std::to_array<SubTable>({
    {0x0001, &kCliLoginTable},           // CLI_LOGIN
    {0x0002, &kSrvLoginReplyTable},      // SRV_LOGIN_REPLY
    {0x0003, nullptr},                   // CLI_PARAMS
    {0x0004, &kSrvParamsReplyTable},     // SRV_PARAMS_REPLY
    {0x0005, &kSrvParamsReplyTable},     // CLI_SET
    {0x0006, &kSrvSetReplyTable},        // SRV_SET_REPLY
    {0x0007, &kCliBroadcastTable},       // CLI_BROADCAST
    {0x0008, &kSrvBroadcastReplyTable},  // SRV_BROADCAST_REPLY
    {0x0009, &kCliUserTable},            // CLI_USER
    {0x000A, &kSrvUserReplyTable},       // SRV_USER_REPLY
    {0x000B, &kSrvStateTable},           // SRV_STATE
    {0x000C, &kCliListTable},            // CLI_LIST
    {0x000D, &kSrvListReplyTable},       // SRV_LIST_REPLY
    {0x000E, &kCliExtListReqTable},      // CLI_EXT_LIST_REQ
    {0x000F, &kSrvExtListReplyTable},    // SRV_EXT_LIST_REPLY
    {0x0010, &kCliExtUpdTable},          // CLI_EXT_UPD
    {0x0011, &kSrvExtUpdReplyTable},     // SRV_EXT_UPD_REPLY
});
// clang-format on

const BexTable* FindSubTable(std::span<const SubTable> subs, std::uint16_t bexSub) {
  const auto sub = std::ranges::find(subs, bexSub, &SubTable::bexSub);
  return sub == subs.end() ? nullptr : sub->table;
}

}  // namespace

const BexTable* ExtPgTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTable(kExtPgSubs, bexSub);
}

const BexTable* WadmTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTable(kWadmSubs, bexSub);
}

}  // namespace qarnolog
