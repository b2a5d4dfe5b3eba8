// BEX tables of the UD family (user details, directory search, secure e-mail and password),
// the UA family (avatars), the FT family (file transfer: the send-file negotiation and the
// messages of the direct and proxied file-data connections) and the TP family (transports).
// The user details fields are numbered anew in each UD table.
#include <array>

#include "dissector/display_names.h"
#include "dissector/families.h"
#include "dissector/tables_shared.h"

namespace qarnolog {

namespace {

using enum ValueKind;
using enum Nested;

// clang-format off

// QARNO_BEX_UD_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 6> kUdSrvParamsReply = {{
    {0x0001, "Max account name length",          DWordDec},
    {0x0002, "Max details field length",         DWordDec},
    {0x0003, "Max about field length",           DWordDec},
    {0x0004, "Can change secure email",          Bool},
    {0x0005, "Can change password",              Bool},
    {0x0006, "Secure email/password change URL", Utf8Text},
}};

// QARNO_BEX_UD_CLI_DETAILS_REQ: the rows of the shared account and transport table,
// kAccountTranspIdRows in tables_shared.h

// QARNO_BEX_UD_SRV_DETAILS_REQ_REPLY
constexpr std::array<WtldRow, 29> kUdSrvDetailsReqReply = {{
    {0x0001, kDetailsResultCode,            WordDec},
    {0x0002, "Account",                     Utf8Text},
    {0x0003, "Secure email",                Utf8Text},
    {0x0004, "Nick name",                   Utf8Text},
    {0x0005, "First name",                  Utf8Text},
    {0x0006, "Last name",                   Utf8Text},
    {0x0007, "Country",                     WordDec},
    {0x0008, "Region/state",                Utf8Text},
    {0x0009, "City",                        Utf8Text},
    {0x000A, "Zip code",                    Utf8Text},
    {0x000B, "Address",                     Utf8Text},
    {0x000C, "Language1",                   WordDec},
    {0x000D, "Language2",                   WordDec},
    {0x000E, "Gender",                      ByteDec},
    {0x000F, "Birthday",                    UnixTimeOrNotSet},
    {0x0010, "Homepage",                    Utf8Text},
    {0x0011, "About",                       Utf8Text},
    {0x0012, "Interests",                   Utf8Text},
    {0x0013, "Email1",                      Utf8Text},
    {0x0014, "Email2",                      Utf8Text},
    {0x0015, "Home phone",                  Utf8Text},
    {0x0016, "Work phone",                  Utf8Text},
    {0x0017, "Cellular phone",              Utf8Text},
    {0x0018, "Fax number",                  Utf8Text},
    {0x0019, "Don't show status in search", Bool},
    {0x001A, "Company",                     Utf8Text},
    {0x001B, "Div/Dept",                    Utf8Text},
    {0x001C, "Position",                    Utf8Text},
    {0x1001, "TranspID",                    DWordDec},
}};

// QARNO_BEX_UD_CLI_DETAILS_UPD
constexpr std::array<WtldRow, 27> kUdCliDetailsUpd = {{
    {0x0001, "Account",                     Utf8Text},
    {0x0002, "Nick name",                   Utf8Text},
    {0x0003, "First name",                  Utf8Text},
    {0x0004, "Last name",                   Utf8Text},
    {0x0005, "Country",                     WordDec},
    {0x0006, "Region/state",                Utf8Text},
    {0x0007, "City",                        Utf8Text},
    {0x0008, "Zip code",                    Utf8Text},
    {0x0009, "Address",                     Utf8Text},
    {0x000A, "Language1",                   WordDec},
    {0x000B, "Language2",                   WordDec},
    {0x000C, "Gender",                      ByteDec},
    {0x000D, "Birthday",                    UnixTimeOrNotSet},
    {0x000E, "Homepage",                    Utf8Text},
    {0x000F, "About",                       Utf8Text},
    {0x0010, "Interests",                   Utf8Text},
    {0x0011, "Email1",                      Utf8Text},
    {0x0012, "Email2",                      Utf8Text},
    {0x0013, "Home phone",                  Utf8Text},
    {0x0014, "Work phone",                  Utf8Text},
    {0x0015, "Cellular phone",              Utf8Text},
    {0x0016, "Fax number",                  Utf8Text},
    {0x0017, "Don't show status in search", Bool},
    {0x0018, "Company",                     Utf8Text},
    {0x0019, "Div/Dept",                    Utf8Text},
    {0x001A, "Position",                    Utf8Text},
    {0x1001, "TranspID",                    DWordDec},
}};

// QARNO_BEX_UD_SRV_DETAILS_UPD_REPLY
constexpr std::array<WtldRow, 2> kUdSrvDetailsUpdReply = {{
    {0x0001, kUpdateDetailsResultCode, WordDec},
    {0x1001, "TranspID",               DWordDec},
}};

// QARNO_BEX_UD_CLI_SEARCH
constexpr std::array<WtldRow, 15> kUdCliSearch = {{
    {0x0001, "Account",     Utf8Text},
    {0x0002, "Email",       Utf8Text},
    {0x0003, "Nick name",   Utf8Text},
    {0x0004, "First name",  Utf8Text},
    {0x0005, "Last name",   Utf8Text},
    {0x0006, "Country",     WordDec},
    {0x0007, "City",        Utf8Text},
    {0x0008, "Language",    WordDec},
    {0x0009, "Gender",      ByteDec},
    {0x000A, "Age min",     ByteDec},
    {0x000B, "Age max",     ByteDec},
    {0x000C, "Zodiac sign", ByteDec},
    {0x000D, "Interests",   Utf8Text},
    {0x000E, "Online only", NoValue},
    {0x1001, "TranspID",    DWordDec},
}};

// QARNO_BEX_UD_SRV_SEARCH_REPLY
constexpr std::array<WtldRow, 12> kUdSrvSearchReply = {{
    {0x0001, kSearchResultCode,           WordDec},
    {0x0002, "Account",                   Utf8Text},
    {0x0003, "Nick name",                 Utf8Text},
    {0x0004, "First name",                Utf8Text},
    {0x0005, "Last name",                 Utf8Text},
    {0x0006, "Gender",                    ByteDec},
    {0x0007, "Age",                       ByteDec},
    {0x0008, "User online",               NoValue},
    {0x0009, "Last reply",                NoValue},
    {0x000A, "Total count in DB",         DWordDec},
    {0x000B, kStatusPictureFlagsAndIndex, DWordDec},
    {0x1001, "TranspID",                  DWordDec},
}};

// QARNO_BEX_UD_CLI_SECURE_UPD
constexpr std::array<WtldRow, 4> kUdCliSecureUpd = {{
    {0x0001, "Account",          Utf8Text},
    {0x0002, "Current password", Utf8Text},
    {0x0003, "New secure email", Utf8Text},
    {0x0004, "New password",     Utf8Text},
}};

// QARNO_BEX_UD_SRV_SECURE_UPD_REPLY
constexpr std::array<WtldRow, 1> kUdSrvSecureUpdReply = {{
    {0x0001, kUpdateSecurityResultCode, WordDec},
}};

// QARNO_BEX_UA_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 2> kUaSrvParamsReply = {{
    {0x0001, "Max avatar file size",     DWordDec},
    {0x0002, "Current avatar file hash", NoValue},
}};

// QARNO_BEX_UA_CLI_AVATAR_REQ
constexpr std::array<WtldRow, 2> kUaCliAvatarReq = {{
    {0x0001, "Avatar file hash", NoValue},
    {0x1001, "TranspID",         DWordDec},
}};

// QARNO_BEX_UA_SRV_AVATAR_REPLY
constexpr std::array<WtldRow, 4> kUaSrvAvatarReply = {{
    {0x0001, kAvatarRequestResultCode, WordDec},
    {0x0002, "Avatar file hash",       NoValue},
    {0x0003, "Afatar file data",       NoValue},
    {0x1001, "TranspID",               DWordDec},
}};

// QARNO_BEX_UA_CLI_AVATAR_SET
constexpr std::array<WtldRow, 3> kUaCliAvatarSet = {{
    {0x0001, "Avatar file hash", NoValue},
    {0x0002, "Afatar file data", NoValue},
    {0x1001, "TranspID",         DWordDec},
}};

// QARNO_BEX_UA_SRV_AVATAR_SET_REPLY
constexpr std::array<WtldRow, 3> kUaSrvAvatarSetReply = {{
    {0x0001, kAvatarSetResultCode, WordDec},
    {0x0002, "Avatar file hash",   NoValue},
    {0x1001, "TranspID",           DWordDec},
}};

// QARNO_BEX_FT_SRV_PARAMS_REPLY
constexpr std::array<WtldRow, 8> kFtSrvParamsReply = {{
    {0x0001, "Max account name length",       DWordDec},
    {0x0002, "Max host/IP length",            DWordDec},
    {0x0003, "Max file name length",          DWordDec},
    {0x0004, "Max file path length",          DWordDec},
    {0x0005, "File transfer enabled",         Bool},
    {0x0006, "Proxied file transfer enabled", Bool},
    {0x0007, "File proxy server host/IP",     Utf8Text},
    {0x0008, "File proxy server port",        DWordDec},
}};

// QARNO_BEX_FT_CLI_SRV_SEND_FILE_REQUEST
constexpr std::array<WtldRow, 9> kFtCliSrvSendFileRequest = {{
    {0x0001, "Account",            Utf8Text},
    {0x0002, "FT Unique ID",       QWordDec},
    {0x0003, "Files count",        DWordDec},
    {0x0004, "Total size",         QWordDec},
    {0x0005, "File name",          Utf8Text},
    {0x0006, "Client's IP",        Utf8Text},
    {0x0007, "Client's port",      DWordDec},
    {0x0008, "File proxy host/IP", Utf8Text},
    {0x0009, "File proxy port",    DWordDec},
}};

// QARNO_BEX_FT_CLI_SRV_SEND_FILE_REPLY
constexpr std::array<WtldRow, 5> kFtCliSrvSendFileReply = {{
    {0x0001, "Account",       Utf8Text},
    {0x0002, "FT Unique ID",  QWordDec},
    {0x0003, kFtReplyCode,    WordDec},
    {0x0004, "Client's IP",   Utf8Text},
    {0x0005, "Client's port", DWordDec},
}};

// QARNO_BEX_FT_CLI_SRV_CONTROL
constexpr std::array<WtldRow, 3> kFtCliSrvControl = {{
    {0x0001, "Account",      Utf8Text},
    {0x0002, "FT Unique ID", QWordDec},
    {0x0003, kFtControlCode, WordDec},
}};

// QARNO_BEX_FT_DIR_PROX_ERROR
constexpr std::array<WtldRow, 3> kFtDirProxError = {{
    {0x0001, "Account",      Utf8Text},
    {0x0002, "FT Unique ID", QWordDec},
    {0x0003, kFtErrorCode,   WordDec},
}};

// QARNO_BEX_FT_DIR_PROX_HELLO
constexpr std::array<WtldRow, 2> kFtDirProxHello = {{
    {0x0001, "Account",      Utf8Text},
    {0x0002, "FT Unique ID", QWordDec},
}};

// QARNO_BEX_FT_DIR_PROX_FILE
constexpr std::array<WtldRow, 5> kFtDirProxFile = {{
    {0x0001, "Account",            Utf8Text},
    {0x0002, "FT Unique ID",       QWordDec},
    {0x0003, "File size",          QWordDec},
    {0x0004, "File name",          Utf8Text},
    {0x0005, "Relative file path", Utf8Text},
}};

// QARNO_BEX_FT_DIR_PROX_FILE_REPLY
constexpr std::array<WtldRow, 3> kFtDirProxFileReply = {{
    {0x0001, "Account",        Utf8Text},
    {0x0002, "FT Unique ID",   QWordDec},
    {0x0003, "Resume postion", QWordDec},
}};

// QARNO_BEX_FT_DIR_PROX_FILE_DATA
constexpr std::array<WtldRow, 5> kFtDirProxFileData = {{
    {0x0001, "Account",           Utf8Text},
    {0x0002, "FT Unique ID",      QWordDec},
    {0x0003, "Last file",         Bool},
    {0x0004, "Last part of file", Bool},
    {0x0005, "File data",         NoValue},
}};

// QARNO_BEX_TP_SRV_PARAMS_REPLY: the transports decoder names its own nodes.
constexpr std::array<WtldRow, 2> kTpSrvParamsReply = {{
    {0x0001, "Max transports count per account", DWordDec},
    {0x0002, "Transports data",                  NoValue,  TransportsData},
}};

// QARNO_BEX_TP_SRV_ITEM_READY
constexpr std::array<WtldRow, 2> kTpSrvItemReady = {{
    {0x0001, "Transport ItemID",        DWordDec},
    {0x0002, "Available options array", NoValue},
}};

// QARNO_BEX_TP_CLI_SETTINGS
constexpr std::array<WtldRow, 5> kTpCliSettings = {{
    {0x0001, "Transport ItemID",              DWordDec},
    {0x0002, "Base64 encoded UTF-8 password", RawText},
    {0x0003, "Server host/IP",                Utf8Text},
    {0x0004, "Server port number",            DWordDec},
    {0x0005, "Options array",                 NoValue},
}};

// QARNO_BEX_TP_SRV_SETTINGS_REPLY
constexpr std::array<WtldRow, 2> kTpSrvSettingsReply = {{
    {0x0001, "Transport ItemID",                 DWordDec},
    {0x0002, kTransportSettingsUpdateResultCode, WordDec},
}};

// QARNO_BEX_TP_CLI_MANAGE
constexpr std::array<WtldRow, 5> kTpCliManage = {{
    {0x0001, "Transport ItemID",      DWordDec},
    {0x0002, kConnectionManagingCode, WordDec},
    {0x0003, kPresenceStatus,         DWordDec},
    {0x0004, "Addit status pic ID",   DWordDec},
    {0x0005, "Addit status pic desc", Utf8Text},
}};

// QARNO_BEX_TP_SRV_TRANSPORT_INFO
constexpr std::array<WtldRow, 2> kTpSrvTransportInfo = {{
    {0x0001, "Transport ItemID",  DWordDec},
    {0x0002, kTransportStateCode, WordDec},
}};

// QARNO_BEX_TP_SRV_SHOW_NOTIF
constexpr std::array<WtldRow, 5> kTpSrvShowNotif = {{
    {0x0001, "Transport ItemID", DWordDec},
    {0x0002, "Auto close",       Bool},
    {0x0003, "IsWarning",        Bool},
    {0x0004, "Title text",       Utf8Text},
    {0x0005, "Content text",     Utf8Text},
}};

// QARNO_BEX_TP_SRV_OWN_AVATAR_HASH
constexpr std::array<WtldRow, 2> kTpSrvOwnAvatarHash = {{
    {0x0001, "Transport ItemID", DWordDec},
    {0x0002, "Avatar file hash", NoValue},
}};

// clang-format on

constexpr BexTable kUdSrvParamsReplyTable = {kUdSrvParamsReply};
constexpr BexTable kUdCliDetailsReqTable = {kAccountTranspIdRows};
constexpr BexTable kUdSrvDetailsReqReplyTable = {kUdSrvDetailsReqReply};
constexpr BexTable kUdCliDetailsUpdTable = {kUdCliDetailsUpd};
constexpr BexTable kUdSrvDetailsUpdReplyTable = {kUdSrvDetailsUpdReply};
constexpr BexTable kUdCliSearchTable = {kUdCliSearch};
constexpr BexTable kUdSrvSearchReplyTable = {kUdSrvSearchReply};
constexpr BexTable kUdCliSecureUpdTable = {kUdCliSecureUpd};
constexpr BexTable kUdSrvSecureUpdReplyTable = {kUdSrvSecureUpdReply};

constexpr BexTable kUaSrvParamsReplyTable = {kUaSrvParamsReply};
constexpr BexTable kUaCliAvatarReqTable = {kUaCliAvatarReq};
constexpr BexTable kUaSrvAvatarReplyTable = {kUaSrvAvatarReply};
constexpr BexTable kUaCliAvatarSetTable = {kUaCliAvatarSet};
constexpr BexTable kUaSrvAvatarSetReplyTable = {kUaSrvAvatarSetReply};

constexpr BexTable kFtSrvParamsReplyTable = {kFtSrvParamsReply};
constexpr BexTable kFtCliSrvSendFileRequestTable = {kFtCliSrvSendFileRequest};
constexpr BexTable kFtCliSrvSendFileReplyTable = {kFtCliSrvSendFileReply};
constexpr BexTable kFtCliSrvControlTable = {kFtCliSrvControl};
constexpr BexTable kFtDirProxErrorTable = {kFtDirProxError};
constexpr BexTable kFtDirProxHelloTable = {kFtDirProxHello};
constexpr BexTable kFtDirProxFileTable = {kFtDirProxFile};
constexpr BexTable kFtDirProxFileReplyTable = {kFtDirProxFileReply};
constexpr BexTable kFtDirProxFileDataTable = {kFtDirProxFileData};

constexpr BexTable kTpSrvParamsReplyTable = {kTpSrvParamsReply};
constexpr BexTable kTpSrvItemReadyTable = {kTpSrvItemReady};
constexpr BexTable kTpCliSettingsTable = {kTpCliSettings};
constexpr BexTable kTpSrvSettingsReplyTable = {kTpSrvSettingsReply};
constexpr BexTable kTpCliManageTable = {kTpCliManage};
constexpr BexTable kTpSrvTransportInfoTable = {kTpSrvTransportInfo};
constexpr BexTable kTpSrvShowNotifTable = {kTpSrvShowNotif};
constexpr BexTable kTpSrvOwnAvatarHashTable = {kTpSrvOwnAvatarHash};

// clang-format off

// Sub-types that are missing here are not decoded: PARAMS.
constexpr std::array kUdSubTypes = {
    SubTypeRow{0x0002, &kUdSrvParamsReplyTable},      // QARNO_BEX_UD_SRV_PARAMS_REPLY
    SubTypeRow{0x0003, &kUdCliDetailsReqTable},       // QARNO_BEX_UD_CLI_DETAILS_REQ
    SubTypeRow{0x0004, &kUdSrvDetailsReqReplyTable},  // QARNO_BEX_UD_SRV_DETAILS_REQ_REPLY
    SubTypeRow{0x0005, &kUdCliDetailsUpdTable},       // QARNO_BEX_UD_CLI_DETAILS_UPD
    SubTypeRow{0x0006, &kUdSrvDetailsUpdReplyTable},  // QARNO_BEX_UD_SRV_DETAILS_UPD_REPLY
    SubTypeRow{0x0007, &kUdCliSearchTable},           // QARNO_BEX_UD_CLI_SEARCH
    SubTypeRow{0x0008, &kUdSrvSearchReplyTable},      // QARNO_BEX_UD_SRV_SEARCH_REPLY
    SubTypeRow{0x0009, &kUdCliSecureUpdTable},        // QARNO_BEX_UD_CLI_SECURE_UPD
    SubTypeRow{0x000A, &kUdSrvSecureUpdReplyTable},   // QARNO_BEX_UD_SRV_SECURE_UPD_REPLY
};

// Sub-types that are missing here are not decoded: PARAMS.
constexpr std::array kUaSubTypes = {
    SubTypeRow{0x0002, &kUaSrvParamsReplyTable},     // QARNO_BEX_UA_SRV_PARAMS_REPLY
    SubTypeRow{0x0003, &kUaCliAvatarReqTable},       // QARNO_BEX_UA_CLI_AVATAR_REQ
    SubTypeRow{0x0004, &kUaSrvAvatarReplyTable},     // QARNO_BEX_UA_SRV_AVATAR_REPLY
    SubTypeRow{0x0005, &kUaCliAvatarSetTable},       // QARNO_BEX_UA_CLI_AVATAR_SET
    SubTypeRow{0x0006, &kUaSrvAvatarSetReplyTable},  // QARNO_BEX_UA_SRV_AVATAR_SET_REPLY
};

// Sub-types that are missing here are not decoded: PARAMS, and 0x0006 to 0x0100 between the
// send-file negotiation and the file-data connection's messages.
constexpr std::array kFtSubTypes = {
    SubTypeRow{0x0002, &kFtSrvParamsReplyTable},         // QARNO_BEX_FT_SRV_PARAMS_REPLY
    SubTypeRow{0x0003, &kFtCliSrvSendFileRequestTable},  // QARNO_BEX_FT_CLI_SRV_SEND_FILE_REQUEST
    SubTypeRow{0x0004, &kFtCliSrvSendFileReplyTable},    // QARNO_BEX_FT_CLI_SRV_SEND_FILE_REPLY
    SubTypeRow{0x0005, &kFtCliSrvControlTable},          // QARNO_BEX_FT_CLI_SRV_CONTROL
    SubTypeRow{0x0101, &kFtDirProxErrorTable},           // QARNO_BEX_FT_DIR_PROX_ERROR
    SubTypeRow{0x0102, &kFtDirProxHelloTable},           // QARNO_BEX_FT_DIR_PROX_HELLO
    SubTypeRow{0x0103, &kFtDirProxFileTable},            // QARNO_BEX_FT_DIR_PROX_FILE
    SubTypeRow{0x0104, &kFtDirProxFileReplyTable},       // QARNO_BEX_FT_DIR_PROX_FILE_REPLY
    SubTypeRow{0x0105, &kFtDirProxFileDataTable},        // QARNO_BEX_FT_DIR_PROX_FILE_DATA
};

// Sub-types that are missing here are not decoded: PARAMS.
constexpr std::array kTpSubTypes = {
    SubTypeRow{0x0002, &kTpSrvParamsReplyTable},    // QARNO_BEX_TP_SRV_PARAMS_REPLY
    SubTypeRow{0x0003, &kTpSrvItemReadyTable},      // QARNO_BEX_TP_SRV_ITEM_READY
    SubTypeRow{0x0004, &kTpCliSettingsTable},       // QARNO_BEX_TP_CLI_SETTINGS
    SubTypeRow{0x0005, &kTpSrvSettingsReplyTable},  // QARNO_BEX_TP_SRV_SETTINGS_REPLY
    SubTypeRow{0x0006, &kTpCliManageTable},         // QARNO_BEX_TP_CLI_MANAGE
    SubTypeRow{0x0007, &kTpSrvTransportInfoTable},  // QARNO_BEX_TP_SRV_TRANSPORT_INFO
    SubTypeRow{0x0008, &kTpSrvShowNotifTable},      // QARNO_BEX_TP_SRV_SHOW_NOTIF
    SubTypeRow{0x0009, &kTpSrvOwnAvatarHashTable},  // QARNO_BEX_TP_SRV_OWN_AVATAR_HASH
};

// clang-format on

static_assert(IsStrictlyOrdered(kUdSubTypes) && IsStrictlyOrdered(kUaSubTypes) &&
              IsStrictlyOrdered(kFtSubTypes) && IsStrictlyOrdered(kTpSubTypes));

}  // namespace

const BexTable* UdTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kUdSubTypes, bexSub);
}

const BexTable* UaTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kUaSubTypes, bexSub);
}

const BexTable* FtTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kFtSubTypes, bexSub);
}

const BexTable* TpTable(std::uint16_t bexSub, std::uint16_t) {
  return FindSubTypeTable(kTpSubTypes, bexSub);
}

}  // namespace qarnolog
