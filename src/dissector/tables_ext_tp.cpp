// BEX tables of the EXT_TP family: the exchange between the server and a transport extension
// (settings, connection, contacts, authorization, messages, details, avatars, search, mail).
// Sub-types with equal tables share one array; none looks at the extension type.
#include <algorithm>  // std::ranges::find
#include <array>

#include "dissector/display_names.h"
#include "dissector/families.h"

namespace qarnolog {

namespace {

using enum ValueKind;

// clang-format off

// QARNO_BEX_EXT_TP_SRV_SETTINGS
constexpr auto kSrvSettings = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",              DWordDec},
    {0x0002, "Account",                       Utf8Text},
    {0x0003, "Base64 encoded UTF-8 password", RawText},
    {0x0004, "Server host/IP",                Utf8Text},
    {0x0005, "Server port number",            DWordDec},
    {0x0006, "Available options array",       NoValue},
});

// QARNO_BEX_EXT_TP_CLI_SETTINGS_REPLY
constexpr auto kCliSettingsReply = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",                 DWordDec},
    {0x0002, kTransportSettingsUpdateResultCode, WordDec},
});

// QARNO_BEX_EXT_TP_SRV_MANAGE
constexpr auto kSrvManage = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",      DWordDec},
    {0x0002, kConnectionManagingCode, WordDec},
    {0x0003, kPresenceStatus,         DWordDec},
    {0x0004, "Addit status pic ID",   DWordDec},
    {0x0005, "Addit status pic desc", Utf8Text},
});

// QARNO_BEX_EXT_TP_CLI_INFO
constexpr auto kCliInfo = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",  DWordDec},
    {0x0002, kTransportStateCode, WordDec},
});

// QARNO_BEX_EXT_TP_CLI_ADD_CONTACTS, QARNO_BEX_EXT_TP_CLI_UPD_CONTACTS,
// QARNO_BEX_EXT_TP_CLI_DEL_CONTACTS
constexpr auto kCliContacts = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",         DWordDec},
    {0x0002, "Contacts list items data", NoValue},
    {0x0003, "Delete other contacts",    Bool},
});

// QARNO_BEX_EXT_TP_SRV_ADD_CNT, QARNO_BEX_EXT_TP_SRV_UPD_CNT, QARNO_BEX_EXT_TP_SRV_DEL_CNT
constexpr auto kSrvContact = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Account",          Utf8Text},
    {0x0003, "Contact name",     Utf8Text},
    {0x0004, "Group name",       Utf8Text},
    {0x0005, kPrivacyType,       ByteDec},
    {0x0006, "Auth required",    NoValue},
});

// QARNO_BEX_EXT_TP_CLI_SHOW_NOTIF
constexpr auto kCliShowNotif = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Auto close",       Bool},
    {0x0003, "IsWarning",        Bool},
    {0x0004, "Title text",       Utf8Text},
    {0x0005, "Content text",     Utf8Text},
});

// QARNO_BEX_EXT_TP_CS_AUTH_REQUEST, QARNO_BEX_EXT_TP_CS_AUTH_REPLY,
// QARNO_BEX_EXT_TP_CS_AUTH_REVOKE: every row but wTLD 0x0003, which each of the three has its own
constexpr auto kCsAuth = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",     DWordDec},
    {0x0002, "Account",              Utf8Text},
    {0x0004, "IsOfflineMsg",         Bool},
    {0x0005, "Offline msg datetime", UnixTimeUtc},
});

// QARNO_BEX_EXT_TP_CS_AUTH_REQUEST: wTLD 0x0003
constexpr auto kCsAuthRequest = std::to_array<WtldRow>({
    {0x0003, "Auth msg text", Utf8Text},
});

// QARNO_BEX_EXT_TP_CS_AUTH_REPLY: wTLD 0x0003
constexpr auto kCsAuthReply = std::to_array<WtldRow>({
    {0x0003, kAuthReplyCode, WordDec},
});

// QARNO_BEX_EXT_TP_CS_AUTH_REVOKE: wTLD 0x0003
constexpr auto kCsAuthRevoke = std::to_array<WtldRow>({
    {0x0003, "Auth revoke text", Utf8Text},
});

// QARNO_BEX_EXT_TP_CLI_CONTACT_STATUS
constexpr auto kCliContactStatus = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",                     DWordDec},
    {0x0002, "Account",                              Utf8Text},
    {0x0003, kPresenceStatus,                        DWordDec},
    {0x0004, "Status name",                          Utf8Text},
    {0x0005, "Addit status pic num",                 DWordDec},
    {0x0006, "Addit status pic desc",                Utf8Text},
    {0x0007, kClientType,                            WordDec},
    {0x0008, "Client name",                          Utf8Text},
    {0x0009, kClientVer,                             NoValue},
    {0x000A, "Client IP",                            Utf8Text},
    {0x000B, "Client OS",                            Utf8Text},
    {0x000C, "Client description",                   Utf8Text},
    {0x000D, "Connected time",                       UnixTimeUtc},
    {0x000E, "Registration date",                    UnixTimeUtc},
    {0x000F, "Avatar hash",                          NoValue},
    {0x0010, "Custom transport status picture ID",   ByteDec},
    {0x0011, "Array of client identification sTLDs", NoValue},
});

// QARNO_BEX_EXT_TP_CS_MESSAGE
constexpr auto kCsMessage = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",     DWordDec},
    {0x0002, "Account",              Utf8Text},
    {0x0003, "Unique msg ID",        DWordDec},
    {0x0004, "Msg text",             Utf8Text},
    {0x0005, "Ack required",         Bool},
    {0x0006, "IsOfflineMsg",         Bool},
    {0x0007, "Offline msg datetime", UnixTimeUtc},
});

// QARNO_BEX_EXT_TP_CS_MSG_REPORT
constexpr auto kCsMsgReport = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Account",          Utf8Text},
    {0x0003, "Unique msg ID",    DWordDec},
});

// QARNO_BEX_EXT_TP_CS_NOTIFY
constexpr auto kCsNotify = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Account",          Utf8Text},
    {0x0003, kNotifyType,        DWordDec},
    {0x0004, kNotifyValue,       DWordDec},
});

// QARNO_BEX_EXT_TP_SRV_DETAILS_REQ
constexpr auto kSrvDetailsReq = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Account",          Utf8Text},
});

// QARNO_BEX_EXT_TP_CLI_DETAILS_REPLY and QARNO_BEX_EXT_TP_SRV_DETAILS_UPD: every row of the
// details but wTLD 0x0002, which only the reply has
constexpr auto kDetails = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0003, "Account",          Utf8Text},
    {0x0004, "Nick name",        Utf8Text},
    {0x0005, "First name",       Utf8Text},
    {0x0006, "Last name",        Utf8Text},
    {0x0007, "Country",          WordDec},
    {0x0008, "Region/state",     Utf8Text},
    {0x0009, "City",             Utf8Text},
    {0x000A, "Zip code",         Utf8Text},
    {0x000B, "Address",          Utf8Text},
    {0x000C, "Language1",        WordDec},
    {0x000D, "Language2",        WordDec},
    {0x000E, "Gender",           ByteDec},
    {0x000F, "Birthday",         UnixTimeOrNotSet},
    {0x0010, "Homepage",         Utf8Text},
    {0x0011, "About",            Utf8Text},
    {0x0012, "Interests",        Utf8Text},
    {0x0013, "Email1",           Utf8Text},
    {0x0014, "Email2",           Utf8Text},
    {0x0015, "Home phone",       Utf8Text},
    {0x0016, "Work phone",       Utf8Text},
    {0x0017, "Cellular phone",   Utf8Text},
    {0x0018, "Fax number",       Utf8Text},
    {0x0019, "Company",          Utf8Text},
    {0x001A, "Div/Dept",         Utf8Text},
    {0x001B, "Position",         Utf8Text},
});

// QARNO_BEX_EXT_TP_CLI_DETAILS_REPLY: wTLD 0x0002
constexpr auto kCliDetailsReplyResult = std::to_array<WtldRow>({
    {0x0002, kDetailsResultCode, WordDec},
});

// QARNO_BEX_EXT_TP_CLI_DETAILS_UPD_REPLY
constexpr auto kCliDetailsUpdReply = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",       DWordDec},
    {0x0002, kUpdateDetailsResultCode, WordDec},
});

// QARNO_BEX_EXT_TP_SRV_AVATAR_SET
constexpr auto kSrvAvatarSet = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Afatar file data", NoValue},
});

// QARNO_BEX_EXT_TP_CLI_AVATAR_SET_REPLY
constexpr auto kCliAvatarSetReply = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",   DWordDec},
    {0x0002, kAvatarSetResultCode, WordDec},
});

// QARNO_BEX_EXT_TP_CLI_OWN_AVATAR_HASH
constexpr auto kCliOwnAvatarHash = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Avatar file hash", NoValue},
});

// QARNO_BEX_EXT_TP_SRV_REQ_PRES_INFO, QARNO_BEX_EXT_TP_SRV_OWN_MAIL_URL_REQ
constexpr auto kSrvObjectOnly = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
});

// QARNO_BEX_EXT_TP_CLI_PRES_INFO
constexpr auto kCliPresInfo = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",                DWordDec},
    {0x0002, "Registration date",               UnixTimeUtc},
    {0x0003, "Connected time",                  UnixTimeUtc},
    {0x0004, "Previous session connected time", UnixTimeUtc},
    {0x0005, "Client IP",                       Utf8Text},
    {0x0006, "Previous client IP",              Utf8Text},
    {0x0007, "Signed on instances count",       WordDec},
    {0x0008, "Server added description",        Utf8Text},
});

// QARNO_BEX_EXT_TP_SRV_SEARCH_REQ (no row for wTLD 0x000E)
constexpr auto kSrvSearchReq = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Account",          Utf8Text},
    {0x0003, "Email",            Utf8Text},
    {0x0004, "Nickname",         Utf8Text},
    {0x0005, "Firstname",        Utf8Text},
    {0x0006, "Lastname",         Utf8Text},
    {0x0007, "Country",          WordDec},
    {0x0008, "City",             Utf8Text},
    {0x0009, "Language",         WordDec},
    {0x000A, "Gender",           ByteDec},
    {0x000B, "Age min",          ByteDec},
    {0x000C, "Age max",          ByteDec},
    {0x000D, "Zodiac sign",      ByteDec},
    {0x000F, "Interests",        Utf8Text},
    {0x0010, "Online only",      NoValue},
});

// QARNO_BEX_EXT_TP_CLI_SEARCH_REPLY
constexpr auto kCliSearchReply = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",          DWordDec},
    {0x0002, kSearchResultCode,           WordDec},
    {0x0003, "Account",                   Utf8Text},
    {0x0004, "Nick name",                 Utf8Text},
    {0x0005, "First name",                Utf8Text},
    {0x0006, "Last name",                 Utf8Text},
    {0x0007, "Gender",                    ByteDec},
    {0x0008, "Age",                       ByteDec},
    {0x0009, "User online",               NoValue},
    {0x000A, "Last reply",                NoValue},
    {0x000B, "Total count in DB",         DWordDec},
    {0x000C, kStatusPictureFlagsAndIndex, DWordDec},
});

// QARNO_BEX_EXT_TP_CLI_MAIL_NOTIF
constexpr auto kCliMailNotif = std::to_array<WtldRow>({
    {0x0001, "Object unique ID",        DWordDec},
    {0x0002, "Total unread mail count", DWordDec},
    {0x0003, "New mail received",       Bool},
    {0x0004, "Receiver email address",  Utf8Text},
    {0x0005, "Sender name",             Utf8Text},
    {0x0006, "Sender email address",    Utf8Text},
    {0x0007, "Mail subject",            Utf8Text},
    {0x0008, "Mail text",               Utf8Text},
    {0x0009, "Mailbox URL",             Utf8Text},
});

// QARNO_BEX_EXT_TP_CLI_OWN_MAIL_URL_REPLY
constexpr auto kCliOwnMailUrlReply = std::to_array<WtldRow>({
    {0x0001, "Object unique ID", DWordDec},
    {0x0002, "Mailbox URL",      Utf8Text},
});

// clang-format on

constexpr BexTable kSrvSettingsTable = {kSrvSettings};
constexpr BexTable kCliSettingsReplyTable = {kCliSettingsReply};
constexpr BexTable kSrvManageTable = {kSrvManage};
constexpr BexTable kCliInfoTable = {kCliInfo};
constexpr BexTable kCliContactsTable = {kCliContacts};
constexpr BexTable kSrvContactTable = {kSrvContact};
constexpr BexTable kCliShowNotifTable = {kCliShowNotif};
constexpr BexTable kCsAuthRequestTable = {kCsAuthRequest, kCsAuth};
constexpr BexTable kCsAuthReplyTable = {kCsAuthReply, kCsAuth};
constexpr BexTable kCsAuthRevokeTable = {kCsAuthRevoke, kCsAuth};
constexpr BexTable kCliContactStatusTable = {kCliContactStatus};
constexpr BexTable kCsMessageTable = {kCsMessage};
constexpr BexTable kCsMsgReportTable = {kCsMsgReport};
constexpr BexTable kCsNotifyTable = {kCsNotify};
constexpr BexTable kSrvDetailsReqTable = {kSrvDetailsReq};
constexpr BexTable kCliDetailsReplyTable = {kDetails, kCliDetailsReplyResult};
constexpr BexTable kSrvDetailsUpdTable = {kDetails};
constexpr BexTable kCliDetailsUpdReplyTable = {kCliDetailsUpdReply};
constexpr BexTable kSrvAvatarSetTable = {kSrvAvatarSet};
constexpr BexTable kCliAvatarSetReplyTable = {kCliAvatarSetReply};
constexpr BexTable kCliOwnAvatarHashTable = {kCliOwnAvatarHash};
constexpr BexTable kSrvObjectOnlyTable = {kSrvObjectOnly};
constexpr BexTable kCliPresInfoTable = {kCliPresInfo};
constexpr BexTable kSrvSearchReqTable = {kSrvSearchReq};
constexpr BexTable kCliSearchReplyTable = {kCliSearchReply};
constexpr BexTable kCliMailNotifTable = {kCliMailNotif};
constexpr BexTable kCliOwnMailUrlReplyTable = {kCliOwnMailUrlReply};

struct ExtTpSub {
  std::uint16_t bexSub;
  const BexTable* table;
};

// clang-format off
constexpr auto kExtTpSubs = std::to_array<ExtTpSub>({
    {0x0001, &kSrvSettingsTable},         // SRV_SETTINGS
    {0x0002, &kCliSettingsReplyTable},    // CLI_SETTINGS_REPLY
    {0x0003, &kSrvManageTable},           // SRV_MANAGE
    {0x0004, &kCliInfoTable},             // CLI_INFO
    {0x0005, &kCliContactsTable},         // CLI_ADD_CONTACTS
    {0x0006, &kCliContactsTable},         // CLI_UPD_CONTACTS
    {0x0007, &kCliContactsTable},         // CLI_DEL_CONTACTS
    {0x0008, &kSrvContactTable},          // SRV_ADD_CNT
    {0x0009, &kSrvContactTable},          // SRV_UPD_CNT
    {0x000A, &kSrvContactTable},          // SRV_DEL_CNT
    {0x000B, &kCliShowNotifTable},        // CLI_SHOW_NOTIF
    {0x000C, &kCsAuthRequestTable},       // CS_AUTH_REQUEST
    {0x000D, &kCsAuthReplyTable},         // CS_AUTH_REPLY
    {0x000E, &kCsAuthRevokeTable},        // CS_AUTH_REVOKE
    {0x000F, &kCliContactStatusTable},    // CLI_CONTACT_STATUS
    {0x0010, &kCsMessageTable},           // CS_MESSAGE
    {0x0011, &kCsMsgReportTable},         // CS_MSG_REPORT
    {0x0012, &kCsNotifyTable},            // CS_NOTIFY
    {0x0013, &kSrvDetailsReqTable},       // SRV_DETAILS_REQ
    {0x0014, &kCliDetailsReplyTable},     // CLI_DETAILS_REPLY
    {0x0015, &kSrvDetailsUpdTable},       // SRV_DETAILS_UPD
    {0x0016, &kCliDetailsUpdReplyTable},  // CLI_DETAILS_UPD_REPLY
    {0x0017, &kSrvAvatarSetTable},        // SRV_AVATAR_SET
    {0x0018, &kCliAvatarSetReplyTable},   // CLI_AVATAR_SET_REPLY
    {0x0019, &kCliOwnAvatarHashTable},    // CLI_OWN_AVATAR_HASH
    {0x001A, &kSrvObjectOnlyTable},       // SRV_REQ_PRES_INFO
    {0x001B, &kCliPresInfoTable},         // CLI_PRES_INFO
    {0x001C, &kSrvSearchReqTable},        // SRV_SEARCH_REQ
    {0x001D, &kCliSearchReplyTable},      // CLI_SEARCH_REPLY
    {0x001E, &kCliMailNotifTable},        // CLI_MAIL_NOTIF
    {0x001F, &kSrvObjectOnlyTable},       // SRV_OWN_MAIL_URL_REQ
    {0x0020, &kCliOwnMailUrlReplyTable},  // CLI_OWN_MAIL_URL_REPLY
});
// clang-format on

}  // namespace

const BexTable* ExtTpTable(std::uint16_t bexSub, std::uint16_t) {
  const auto sub = std::ranges::find(kExtTpSubs, bexSub, &ExtTpSub::bexSub);
  return sub == kExtTpSubs.end() ? nullptr : sub->table;
}

}  // namespace qarnolog
