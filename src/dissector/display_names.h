// Display names that select a name table or a composite renderer for a wTLD value, as the
// BEX tables write them. The tables and the selection list both use these constants, so that a
// typo cannot silently unlink a field from its names. In the selection list's order.
#pragma once

#include <string_view>

namespace qarnolog {

// clang-format off
inline constexpr std::string_view kHelloErrorCode                    = "Hello error code";
inline constexpr std::string_view kLoginErrorCode                    = "Login error code";
inline constexpr std::string_view kByeReasonCode                     = "Bye reason code";
inline constexpr std::string_view kItemType                          = "Item Type";
inline constexpr std::string_view kAddResultCode                     = "Add result code";
inline constexpr std::string_view kDelResultCode                     = "Del result code";
inline constexpr std::string_view kUpdateResultCode                  = "Update result code";
inline constexpr std::string_view kAuthReplyCode                     = "Auth reply code";
inline constexpr std::string_view kOperationCode                     = "Operation code";
inline constexpr std::string_view kClientType                        = "Client type";
inline constexpr std::string_view kClientVer                         = "Client ver";
inline constexpr std::string_view kClientCaps                        = "Client caps";
inline constexpr std::string_view kPresenceStatus                    = "Presence status";
inline constexpr std::string_view kMsgType                           = "Msg type";
inline constexpr std::string_view kNotifyType                        = "Notify type";
inline constexpr std::string_view kNotifyValue                       = "Notify value";
inline constexpr std::string_view kEncryptionType                    = "Encryption type";
inline constexpr std::string_view kDetailsResultCode                 = "Details result code";
inline constexpr std::string_view kUpdateDetailsResultCode           = "Update details result code";
inline constexpr std::string_view kUpdateSecurityResultCode          = "Update security result code";
inline constexpr std::string_view kSearchResultCode                  = "Search result code";
inline constexpr std::string_view kAvatarRequestResultCode           = "Avatar request result code";
inline constexpr std::string_view kAvatarSetResultCode               = "Avatar set result code";
inline constexpr std::string_view kFtReplyCode                       = "FT reply code";
inline constexpr std::string_view kFtControlCode                     = "FT control code";
inline constexpr std::string_view kFtErrorCode                       = "FT error code";
inline constexpr std::string_view kTransportSettingsUpdateResultCode = "Transport settings update result code";
inline constexpr std::string_view kConnectionManagingCode            = "Connection managing code";
inline constexpr std::string_view kTransportStateCode                = "Transport state code";
inline constexpr std::string_view kExtensionType                     = "Extension type";
inline constexpr std::string_view kExtensionRegisterReplyCode        = "Extension register reply code";
inline constexpr std::string_view kObjectCreationResultCode          = "Object creation result code";
inline constexpr std::string_view kObjectDestructionResultCode       = "Object destruction result code";
// Every name that begins with this selects the settings change result names; the table rows
// follow it with one space and the parameter's name ("Adm change: Listen port main").
inline constexpr std::string_view kAdmChangePrefix                   = "Adm change:";
inline constexpr std::string_view kBroadcastFlag                     = "Broadcast flag";
inline constexpr std::string_view kBroadcastResultCode               = "Broadcast result code";
inline constexpr std::string_view kUserCommand                       = "User command";
inline constexpr std::string_view kUserOperationResultCode           = "User operation result code";
inline constexpr std::string_view kListType                          = "List type";
inline constexpr std::string_view kListRequestResultCode             = "List request result code";
inline constexpr std::string_view kRegistrationResultCode            = "Registration result code";
inline constexpr std::string_view kAdminLoginAckCode                 = "Admin login ack code";
inline constexpr std::string_view kExtensionAdminUpdateResultCode    = "Extension admin update result code";
inline constexpr std::string_view kPrivacyType                       = "Privacy type";
inline constexpr std::string_view kClientFlags                       = "Client flags";
inline constexpr std::string_view kRequiredOptionalClientFlags       = "Required optional client flags";
inline constexpr std::string_view kExtensionProxyType                = "Extension proxy type";
inline constexpr std::string_view kStatusPictureFlagsAndIndex        = "Status picture flags and index";
// clang-format on

}  // namespace qarnolog
