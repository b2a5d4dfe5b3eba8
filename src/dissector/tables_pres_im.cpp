// BEX tables of the PRES family (presence: own status and client information, contacts going
// online and offline, presence information, mail notifications) and of the IM family (instant
// messages, delivery reports, notifications, encryption keys). List-like values of these BEXs
// are shown as one wTLD each, without nested decoding.
#include <array>

#include "dissector/display_names.h"
#include "dissector/families.h"
#include "dissector/tables_shared.h"

namespace qarnolog {

namespace {

using enum ValueKind;

// clang-format off

// QARNO_BEX_PRES_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 5> kPresSrvParamsReply = {{
    {0x0001, "Max status name length",     DWordDec},
    {0x0002, "Max status pic desc length", DWordDec},
    {0x0003, "Max client name length",     DWordDec},
    {0x0004, "Max caps count",             DWordDec},
    {0x0005, kRequiredOptionalClientFlags, DWordDec},
}};

// QARNO_BEX_PRES_CLI_SET_PRES_INFO
constexpr std::array<WtldRow, 9> kPresCliSetPresInfo = {{
    {0x0001, kClientCaps,            NoValue},
    {0x0002, kClientType,            WordDec},
    {0x0003, "Client name",          Utf8Text},
    {0x0004, kClientVer,             NoValue},
    {0x0005, "Client language code", WordDec},
    {0x0006, "Client OS",            Utf8Text},
    {0x0007, "Client description",   Utf8Text},
    {0x0008, kClientFlags,           DWordDec},
    {0x0009, "User client hostname", Utf8Text},
}};

// QARNO_BEX_PRES_CLI_SET_STATUS
constexpr std::array<WtldRow, 5> kPresCliSetStatus = {{
    {0x0001, kPresenceStatus,         DWordDec},
    {0x0002, "Status name",           Utf8Text},
    {0x0003, "Addit status pic num",  DWordDec},
    {0x0004, "Addit status pic desc", Utf8Text},
    {0x0005, "Addit status pic UUID", NoValue},
}};

// QARNO_BEX_PRES_SRV_CONTACT_ONLINE
constexpr std::array<WtldRow, 20> kPresSrvContactOnline = {{
    {0x0001, "Account",                              Utf8Text},
    {0x0002, kPresenceStatus,                        DWordDec},
    {0x0003, "Status name",                          Utf8Text},
    {0x0004, "Addit status pic num",                 DWordDec},
    {0x0005, "Addit status pic desc",                Utf8Text},
    {0x0006, kClientCaps,                            NoValue},
    {0x0007, kClientType,                            WordDec},
    {0x0008, "Client name",                          Utf8Text},
    {0x0009, kClientVer,                             NoValue},
    {0x000A, "Connected time",                       UnixTimeUtc},
    {0x000B, "Registration date",                    UnixTimeUtc},
    {0x000C, "Avatar hash",                          NoValue},
    {0x000D, "Client IP",                            Utf8Text},
    {0x000E, "Addit status pic UUID",                NoValue},
    {0x000F, "Client OS",                            Utf8Text},
    {0x0010, "Client description",                   Utf8Text},
    {0x0011, "Custom transport status picture ID",   ByteDec},
    {0x0012, "Array of client identification sTLDs", NoValue},
    {0x0013, "Client hostname",                      Utf8Text},
    {0x1001, "TranspID",                             DWordDec},
}};

// QARNO_BEX_PRES_SRV_CONTACT_OFFLINE: the rows of the shared account and transport table,
// kAccountTranspIdRows in tables_shared.h

// QARNO_BEX_PRES_CLI_REQ_PRES_INFO and QARNO_BEX_PRES_CLI_REQ_OWN_MAIL_URL
constexpr std::array<WtldRow, 1> kPresTranspIdOnly = {{
    {0x1001, "TranspID", DWordDec},
}};

// QARNO_BEX_PRES_SRV_PRES_INFO
constexpr std::array<WtldRow, 10> kPresSrvPresInfo = {{
    {0x0001, "Account",                          Utf8Text},
    {0x0002, "Registration date",                UnixTimeUtc},
    {0x0003, "Connected time",                   UnixTimeUtc},
    {0x0004, "Previous session connected time",  UnixTimeUtc},
    {0x0005, "Client IP",                        Utf8Text},
    {0x0006, "Previous client IP",               Utf8Text},
    {0x0007, "Signed on instances count",        WordDec},
    {0x0008, "Server added description",         Utf8Text},
    {0x0064, "QARNO client presence item ARRAY", NoValue},
    {0x1001, "TranspID",                         DWordDec},
}};

// QARNO_BEX_PRES_SRV_MAIL_NOTIF
constexpr std::array<WtldRow, 9> kPresSrvMailNotif = {{
    {0x0001, "Total unread mail count", DWordDec},
    {0x0002, "New mail received",       Bool},
    {0x0003, "Receiver email address",  Utf8Text},
    {0x0004, "Sender name",             Utf8Text},
    {0x0005, "Sender email address",    Utf8Text},
    {0x0006, "Mail subject",            Utf8Text},
    {0x0007, "Mail text",               Utf8Text},
    {0x0008, "Mailbox URL",             Utf8Text},
    {0x1001, "TranspID",                DWordDec},
}};

// QARNO_BEX_PRES_SRV_OWN_MAIL_URL
constexpr std::array<WtldRow, 2> kPresSrvOwnMailUrl = {{
    {0x0001, "Mailbox URL", Utf8Text},
    {0x1001, "TranspID",    DWordDec},
}};

// QARNO_BEX_IM_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 4> kImSrvParamsReply = {{
    {0x0001, "Max account name length",   DWordDec},
    {0x0002, "Max message data length",   DWordDec},
    {0x0003, "Offline messages awaiting", DWordDec},
    {0x0004, "Fast multiple messages",    Bool},
}};

// QARNO_BEX_IM_CLI_MESSAGE: the message data shows as text.
constexpr std::array<WtldRow, 7> kImCliMessage = {{
    {0x0001, "To account",    Utf8Text},
    {0x0002, "Unique msg ID", DWordDec},
    {0x0003, kMsgType,        DWordDec},
    {0x0004, "Msg data",      Utf8Text},
    {0x0005, "Ack required",  NoValue},
    {0x0006, kEncryptionType, DWordDec},
    {0x1001, "TranspID",      DWordDec},
}};

// QARNO_BEX_IM_SRV_MESSAGE: the message data shows only in the dump.
constexpr std::array<WtldRow, 12> kImSrvMessage = {{
    {0x0001, "From account",                         Utf8Text},
    {0x0002, "Unique msg ID",                        DWordDec},
    {0x0003, kMsgType,                               DWordDec},
    {0x0004, "Msg data",                             NoValue},
    {0x0005, "Ack required",                         NoValue},
    {0x0006, kEncryptionType,                        DWordDec},
    {0x0007, "Offline msg",                          NoValue},
    {0x0008, "Offline msg sent time",                UnixTimeUtc},
    {0x0009, "System message",                       NoValue},
    {0x000A, "System message popup window position", ByteDec},
    {0x000B, "Multiple message",                     NoValue},
    {0x1001, "TranspID",                             DWordDec},
}};

// QARNO_BEX_IM_CLI_SRV_MSG_REPORT
constexpr std::array<WtldRow, 3> kImCliSrvMsgReport = {{
    {0x0001, "Account",       Utf8Text},
    {0x0002, "Unique msg ID", DWordDec},
    {0x1001, "TranspID",      DWordDec},
}};

// QARNO_BEX_IM_CLI_SRV_NOTIFY
constexpr std::array<WtldRow, 4> kImCliSrvNotify = {{
    {0x0001, "Account",    Utf8Text},
    {0x0002, kNotifyType,  DWordDec},
    {0x0003, kNotifyValue, DWordDec},
    {0x1001, "TranspID",   DWordDec},
}};

// QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REQ
constexpr std::array<WtldRow, 1> kImCliSrvEncryptKeyReq = {{
    {0x0001, "Account", Utf8Text},
}};

// QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REPLY
constexpr std::array<WtldRow, 3> kImCliSrvEncryptKeyReply = {{
    {0x0001, "Account",       Utf8Text},
    {0x0002, kEncryptionType, DWordDec},
    {0x0003, "Public key",    NoValue},
}};

// QARNO_BEX_IM_CLI_MULTIPLE_MSG
constexpr std::array<WtldRow, 2> kImCliMultipleMsg = {{
    {0x0001, "Accounts sTLDs", NoValue},
    {0x0002, "Message Text",   Utf8Text},
}};

// clang-format on

constexpr BexTable kPresSrvParamsReplyTable = {kPresSrvParamsReply};
constexpr BexTable kPresCliSetPresInfoTable = {kPresCliSetPresInfo};
constexpr BexTable kPresCliSetStatusTable = {kPresCliSetStatus};
constexpr BexTable kPresSrvContactOnlineTable = {kPresSrvContactOnline};
constexpr BexTable kPresSrvContactOfflineTable = {kAccountTranspIdRows};
constexpr BexTable kPresTranspIdOnlyTable = {kPresTranspIdOnly};
constexpr BexTable kPresSrvPresInfoTable = {kPresSrvPresInfo};
constexpr BexTable kPresSrvMailNotifTable = {kPresSrvMailNotif};
constexpr BexTable kPresSrvOwnMailUrlTable = {kPresSrvOwnMailUrl};

constexpr BexTable kImSrvParamsReplyTable = {kImSrvParamsReply};
constexpr BexTable kImCliMessageTable = {kImCliMessage};
constexpr BexTable kImSrvMessageTable = {kImSrvMessage};
constexpr BexTable kImCliSrvMsgReportTable = {kImCliSrvMsgReport};
constexpr BexTable kImCliSrvNotifyTable = {kImCliSrvNotify};
constexpr BexTable kImCliSrvEncryptKeyReqTable = {kImCliSrvEncryptKeyReq};
constexpr BexTable kImCliSrvEncryptKeyReplyTable = {kImCliSrvEncryptKeyReply};
constexpr BexTable kImCliMultipleMsgTable = {kImCliMultipleMsg};

// clang-format off

// Sub-types that are missing here are not decoded: PARAMS, ACTIVATE.
constexpr std::array kPresSubTypes = {
    SubTypeRow{0x0002, &kPresSrvParamsReplyTable},     // QARNO_BEX_PRES_SRV_PARAMS_REPLY
    SubTypeRow{0x0003, &kPresCliSetPresInfoTable},     // QARNO_BEX_PRES_CLI_SET_PRES_INFO
    SubTypeRow{0x0004, &kPresCliSetStatusTable},       // QARNO_BEX_PRES_CLI_SET_STATUS
    SubTypeRow{0x0006, &kPresSrvContactOnlineTable},   // QARNO_BEX_PRES_SRV_CONTACT_ONLINE
    SubTypeRow{0x0007, &kPresSrvContactOfflineTable},  // QARNO_BEX_PRES_SRV_CONTACT_OFFLINE
    SubTypeRow{0x0008, &kPresTranspIdOnlyTable},       // QARNO_BEX_PRES_CLI_REQ_PRES_INFO
    SubTypeRow{0x0009, &kPresSrvPresInfoTable},        // QARNO_BEX_PRES_SRV_PRES_INFO
    SubTypeRow{0x000A, &kPresSrvMailNotifTable},       // QARNO_BEX_PRES_SRV_MAIL_NOTIF
    SubTypeRow{0x000B, &kPresTranspIdOnlyTable},       // QARNO_BEX_PRES_CLI_REQ_OWN_MAIL_URL
    SubTypeRow{0x000C, &kPresSrvOwnMailUrlTable},      // QARNO_BEX_PRES_SRV_OWN_MAIL_URL
};

// Sub-types that are missing here are not decoded: PARAMS and the offline-message requests.
constexpr std::array kImSubTypes = {
    SubTypeRow{0x0002, &kImSrvParamsReplyTable},         // QARNO_BEX_IM_SRV_PARAMS_REPLY
    SubTypeRow{0x0006, &kImCliMessageTable},             // QARNO_BEX_IM_CLI_MESSAGE
    SubTypeRow{0x0007, &kImSrvMessageTable},             // QARNO_BEX_IM_SRV_MESSAGE
    SubTypeRow{0x0008, &kImCliSrvMsgReportTable},        // QARNO_BEX_IM_CLI_SRV_MSG_REPORT
    SubTypeRow{0x0009, &kImCliSrvNotifyTable},           // QARNO_BEX_IM_CLI_SRV_NOTIFY
    SubTypeRow{0x000A, &kImCliSrvEncryptKeyReqTable},    // QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REQ
    SubTypeRow{0x000B, &kImCliSrvEncryptKeyReplyTable},  // QARNO_BEX_IM_CLI_SRV_ENCRYPT_KEY_REPLY
    SubTypeRow{0x000C, &kImCliMultipleMsgTable},         // QARNO_BEX_IM_CLI_MULTIPLE_MSG
};

// clang-format on

static_assert(IsStrictlyOrdered(kPresSubTypes) && IsStrictlyOrdered(kImSubTypes));

}  // namespace

const BexTable* PresTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kPresSubTypes, bexSub);
}

const BexTable* ImTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kImSubTypes, bexSub);
}

}  // namespace qarnolog
