// Names of the protocol's enumerated values: code tables (one number to one constant name)
// and the composite renderers that build a text from a flag word or from value bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wire/bytes.h"

namespace qarnolog {

// The code tables, in the protocol's order of the display names that select them.
enum class NameTable : std::uint8_t {
  HelloErrorCode,
  LoginErrorCode,
  ByeReasonCode,
  ItemType,
  AddResultCode,
  DelResultCode,
  UpdateResultCode,
  AuthReplyCode,
  OperationCode,
  ClientType,
  PresenceStatus,
  MsgType,
  NotifyType,
  NotifyValue,
  EncryptionType,
  DetailsResultCode,
  UpdateDetailsResultCode,
  UpdateSecurityResultCode,
  SearchResultCode,
  AvatarRequestResultCode,
  AvatarSetResultCode,
  FtReplyCode,
  FtControlCode,
  FtErrorCode,
  TransportSettingsUpdateResultCode,
  ConnectionManagingCode,
  TransportStateCode,
  ExtensionType,
  ExtensionRegisterReplyCode,
  ObjectCreationResultCode,
  ObjectDestructionResultCode,
  SettingsChangeResult,
  BroadcastFlag,
  BroadcastResultCode,
  UserCommand,
  UserOperationResultCode,
  ListType,
  ListRequestResultCode,
  RegistrationResultCode,
  AdminLoginAckCode,
  ExtensionAdminUpdateResultCode,
  PrivacyType,
  ExtensionProxyType,
  ContactListStldType,  // not selected by a display name: sTLD types of contact-list items
  NoteType,             // not selected by a display name: the note-type sTLD
};

inline constexpr std::string_view kUnknownName = "UNKNOWN";

// The name of `code` in `table`, or "UNKNOWN". The whole number is compared: a table fed from
// 32 bits tells 0x0000FFFF from 0xFFFFFFFF.
std::string_view CodeName(NameTable table, std::uint32_t code);

// "1.2.3.4" from four big-endian 16-bit numbers; missing bytes read as 0.
std::string ClientVersionText(ByteView value);

// "CAP_MSGS_UTF8, CAP_AVATARS, UNK_000B": one item per big-endian 16-bit code.
std::string ClientCapsText(ByteView value);

// Names of the set flags joined by " | "; empty when no known flag is set.
std::string ClientFlagsText(std::uint32_t flags);
std::string RequiredOptionalClientFlagsText(std::uint32_t flags);

// "[Index=5], [Flags=SEARCH_ST_PIC_FLAG_CUSTOM]".
std::string StatusPictureFlagsText(std::uint32_t word);

}  // namespace qarnolog
