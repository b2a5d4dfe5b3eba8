// BEX tables of the COM family (connection: hello, login, bye, registration) and of the CL
// family (contact list: limits, the list itself, item operations, authorization).
#include <array>

#include "dissector/display_names.h"
#include "dissector/families.h"

namespace qarnolog {

namespace {

using enum ValueKind;
using enum Nested;

// clang-format off

// QARNO_BEX_COM_CLI_HELLO
constexpr std::array<WtldRow, 3> kComCliHello = {{
    {0x0001, "Account",              Utf8Text},
    {0x0002, "Cookie",               NoValue},
    {0x0003, "Registration attempt", NoValue},
}};

// QARNO_BEX_COM_SRV_HELLO
constexpr std::array<WtldRow, 8> kComSrvHello = {{
    {0x0001, kHelloErrorCode,                             WordDec},
    {0x0002, "Server key",                                RawText},
    {0x0003, "RedirectHost",                              Utf8Text},
    {0x0004, "RedirectPort",                              DWordDec},
    {0x0005, "Registration enabled",                      Bool},
    {0x0006, "Registration URL",                          Utf8Text},
    {0x0007, "Server requires plain-text authentication", NoValue},
    {0x0008, "mQARNO version recommendation",             DWordDec},
}};

// QARNO_BEX_COM_CLI_LOGIN
constexpr std::array<WtldRow, 3> kComCliLogin = {{
    {0x0001, "Account",                 Utf8Text},
    {0x0002, "Hash",                    NoValue},
    {0x0003, "Base64 encoded password", Utf8Text},
}};

// QARNO_BEX_COM_SRV_LOGIN_REPLY
constexpr std::array<WtldRow, 8> kComSrvLoginReply = {{
    {0x0001, kLoginErrorCode,         WordDec},
    {0x0002, "Supported BEXs",        NoValue},
    {0x0003, "Max BEX length",        DWordDec},
    {0x0004, "Main Host",             Utf8Text},
    {0x0005, "Main Port",             DWordDec},
    {0x0006, "Cookie",                NoValue},
    {0x0007, "Password reminder URL", Utf8Text},
    {0x0008, "BEXs versions",         NoValue},
}};

// QARNO_BEX_COM_SRV_BYE
constexpr std::array<WtldRow, 1> kComSrvBye = {{
    {0x0001, kByeReasonCode, WordDec},
}};

// QARNO_BEX_COM_CLI_REGISTER
constexpr std::array<WtldRow, 4> kComCliRegister = {{
    {0x0001, "Account",      Utf8Text},
    {0x0002, "Password",     Utf8Text},
    {0x0003, "Secure email", Utf8Text},
    {0x0004, "Server key",   RawText},
}};

// QARNO_BEX_COM_SRV_REGISTER_REPLY
constexpr std::array<WtldRow, 5> kComSrvRegisterReply = {{
    {0x0001, kRegistrationResultCode,                                 WordDec},
    {0x0002, "Allowed chars in the account for registration",         Utf8Text},
    {0x0003, "Disallowed first char in the account for registration", Utf8Text},
    {0x0004, "Disallowed last char in the account for registration",  Utf8Text},
    {0x0005, "Min account name length for registration",              DWordDec},
}};

// QARNO_BEX_CL_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 13> kClSrvParamsReply = {{
    {0x0001, "Max groups count",                                    DWordDec},
    {0x0002, "Max group name length",                               DWordDec},
    {0x0003, "Max contacts count",                                  DWordDec},
    {0x0004, "Max account name length",                             DWordDec},
    {0x0005, "Max contact name length",                             DWordDec},
    {0x0006, "Max auth reason length",                              DWordDec},
    {0x0007, "Max user sTLDs count",                                DWordDec},
    {0x0008, "Max user sTLD length",                                DWordDec},
    {0x0009, "Offline authorization messages awaiting",             DWordDec},
    {0x000A, "Server will remove authorization flag automatically", Bool},
    {0x000B, "Max notes count",                                     DWordDec},
    {0x000C, "Max note name length",                                DWordDec},
    {0x000D, "Max note text length",                                DWordDec},
}};

// QARNO_BEX_CL_SRV_REPLY: the contact-list decoder names its own nodes.
constexpr std::array<WtldRow, 1> kClSrvReply = {{
    {0x0001, "Contact list", NoValue, ContactList},
}};

// QARNO_BEX_CL_SRV_VERIFY_REPLY
constexpr std::array<WtldRow, 1> kClSrvVerifyReply = {{
    {0x0001, "Contact list MD5 hash", NoValue},
}};

// QARNO_BEX_CL_CLI_ADD_ITEM
constexpr std::array<WtldRow, 3> kClCliAddItem = {{
    {0x0001, kItemType,         WordDec},
    {0x0002, "Parent Group ID", DWordDec},
    {0x0003, "sTLDs",           NoValue,  StldList},
}};

// QARNO_BEX_CL_SRV_ADD_ITEM_REPLY
constexpr std::array<WtldRow, 2> kClSrvAddItemReply = {{
    {0x0001, kAddResultCode, WordDec},
    {0x0002, "New Item ID",  DWordDec},
}};

// QARNO_BEX_CL_CLI_DEL_ITEM
constexpr std::array<WtldRow, 1> kClCliDelItem = {{
    {0x0001, "Item ID", DWordDec},
}};

// QARNO_BEX_CL_SRV_DEL_ITEM_REPLY
constexpr std::array<WtldRow, 1> kClSrvDelItemReply = {{
    {0x0001, kDelResultCode, WordDec},
}};

// QARNO_BEX_CL_CLI_UPD_ITEM
constexpr std::array<WtldRow, 3> kClCliUpdItem = {{
    {0x0001, "Item ID",             DWordDec},
    {0x0002, "New parent Group ID", DWordDec},
    {0x0003, "sTLDs",               NoValue,  StldList},
}};

// QARNO_BEX_CL_SRV_UPD_ITEM_REPLY
constexpr std::array<WtldRow, 1> kClSrvUpdItemReply = {{
    {0x0001, kUpdateResultCode, WordDec},
}};

// QARNO_BEX_CL_CLI_SRV_AUTH_REQUEST
constexpr std::array<WtldRow, 5> kClCliSrvAuthRequest = {{
    {0x0001, "Account",                    Utf8Text},
    {0x0002, "Auth reason",                Utf8Text},
    {0x0003, "Offline auth msg",           NoValue},
    {0x0004, "Offline auth msg sent time", UnixTimeUtc},
    {0x1001, "TranspID",                   DWordDec},
}};

// QARNO_BEX_CL_CLI_SRV_AUTH_REPLY
constexpr std::array<WtldRow, 5> kClCliSrvAuthReply = {{
    {0x0001, "Account",                    Utf8Text},
    {0x0002, kAuthReplyCode,               WordDec},
    {0x0003, "Offline auth msg",           NoValue},
    {0x0004, "Offline auth msg sent time", UnixTimeUtc},
    {0x1001, "TranspID",                   DWordDec},
}};

// QARNO_BEX_CL_CLI_SRV_AUTH_REVOKE
constexpr std::array<WtldRow, 5> kClCliSrvAuthRevoke = {{
    {0x0001, "Account",                    Utf8Text},
    {0x0002, "Auth revoke reason",         Utf8Text},
    {0x0003, "Offline auth msg",           NoValue},
    {0x0004, "Offline auth msg sent time", UnixTimeUtc},
    {0x1001, "TranspID",                   DWordDec},
}};

// QARNO_BEX_CL_SRV_ITEM_OPER
constexpr std::array<WtldRow, 5> kClSrvItemOper = {{
    {0x0001, kOperationCode, WordDec},
    {0x0002, kItemType,      WordDec},
    {0x0003, "Item ID",      DWordDec},
    {0x0004, "Group ID",     DWordDec},
    {0x0005, "sTLDs",        NoValue,  StldList},
}};

// clang-format on

constexpr BexTable kComCliHelloTable = {kComCliHello};
constexpr BexTable kComSrvHelloTable = {kComSrvHello};
constexpr BexTable kComCliLoginTable = {kComCliLogin};
constexpr BexTable kComSrvLoginReplyTable = {kComSrvLoginReply};
constexpr BexTable kComSrvByeTable = {kComSrvBye};
constexpr BexTable kComCliRegisterTable = {kComCliRegister};
constexpr BexTable kComSrvRegisterReplyTable = {kComSrvRegisterReply};

constexpr BexTable kClSrvParamsReplyTable = {kClSrvParamsReply};
constexpr BexTable kClSrvReplyTable = {kClSrvReply};
constexpr BexTable kClSrvVerifyReplyTable = {kClSrvVerifyReply};
constexpr BexTable kClCliAddItemTable = {kClCliAddItem};
constexpr BexTable kClSrvAddItemReplyTable = {kClSrvAddItemReply};
constexpr BexTable kClCliDelItemTable = {kClCliDelItem};
constexpr BexTable kClSrvDelItemReplyTable = {kClSrvDelItemReply};
constexpr BexTable kClCliUpdItemTable = {kClCliUpdItem};
constexpr BexTable kClSrvUpdItemReplyTable = {kClSrvUpdItemReply};
constexpr BexTable kClCliSrvAuthRequestTable = {kClCliSrvAuthRequest};
constexpr BexTable kClCliSrvAuthReplyTable = {kClCliSrvAuthReply};
constexpr BexTable kClCliSrvAuthRevokeTable = {kClCliSrvAuthRevoke};
constexpr BexTable kClSrvItemOperTable = {kClSrvItemOper};

// Sub-types that are missing here are not decoded: PING, PONG.
// clang-format off
constexpr std::array kComSubTypes = {
    SubTypeRow{0x0001, &kComCliHelloTable},          // QARNO_BEX_COM_CLI_HELLO
    SubTypeRow{0x0002, &kComSrvHelloTable},          // QARNO_BEX_COM_SRV_HELLO
    SubTypeRow{0x0003, &kComCliLoginTable},          // QARNO_BEX_COM_CLI_LOGIN
    SubTypeRow{0x0004, &kComSrvLoginReplyTable},     // QARNO_BEX_COM_SRV_LOGIN_REPLY
    SubTypeRow{0x0005, &kComSrvByeTable},            // QARNO_BEX_COM_SRV_BYE
    SubTypeRow{0x0008, &kComCliRegisterTable},       // QARNO_BEX_COM_CLI_REGISTER
    SubTypeRow{0x0009, &kComSrvRegisterReplyTable},  // QARNO_BEX_COM_SRV_REGISTER_REPLY
};

// Sub-types that are missing here are not decoded: PARAMS, REQUEST, VERIFY, the offline
// authorization messages and the begin/end of a server update.
constexpr std::array kClSubTypes = {
    SubTypeRow{0x0002, &kClSrvParamsReplyTable},     // QARNO_BEX_CL_SRV_PARAMS_REPLY
    SubTypeRow{0x0004, &kClSrvReplyTable},           // QARNO_BEX_CL_SRV_REPLY
    SubTypeRow{0x0006, &kClSrvVerifyReplyTable},     // QARNO_BEX_CL_SRV_VERIFY_REPLY
    SubTypeRow{0x0007, &kClCliAddItemTable},         // QARNO_BEX_CL_CLI_ADD_ITEM
    SubTypeRow{0x0008, &kClSrvAddItemReplyTable},    // QARNO_BEX_CL_SRV_ADD_ITEM_REPLY
    SubTypeRow{0x0009, &kClCliDelItemTable},         // QARNO_BEX_CL_CLI_DEL_ITEM
    SubTypeRow{0x000A, &kClSrvDelItemReplyTable},    // QARNO_BEX_CL_SRV_DEL_ITEM_REPLY
    SubTypeRow{0x000B, &kClCliUpdItemTable},         // QARNO_BEX_CL_CLI_UPD_ITEM
    SubTypeRow{0x000C, &kClSrvUpdItemReplyTable},    // QARNO_BEX_CL_SRV_UPD_ITEM_REPLY
    SubTypeRow{0x000D, &kClCliSrvAuthRequestTable},  // QARNO_BEX_CL_CLI_SRV_AUTH_REQUEST
    SubTypeRow{0x000E, &kClCliSrvAuthReplyTable},    // QARNO_BEX_CL_CLI_SRV_AUTH_REPLY
    SubTypeRow{0x000F, &kClCliSrvAuthRevokeTable},   // QARNO_BEX_CL_CLI_SRV_AUTH_REVOKE
    SubTypeRow{0x0013, &kClSrvItemOperTable},        // QARNO_BEX_CL_SRV_ITEM_OPER
};
// clang-format on

static_assert(IsStrictlyOrdered(kComSubTypes) && IsStrictlyOrdered(kClSubTypes));

}  // namespace

const BexTable* ComTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kComSubTypes, bexSub);
}

const BexTable* ClTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kClSubTypes, bexSub);
}

}  // namespace qarnolog
