// The selection list: display names that show a wTLD value through a name table or a composite
// renderer instead of by its value kind. A display name is lowered and compared with each
// entry's lowered name, in order; the first match wins.
#include <algorithm>  // std::max
#include <array>

#include "dissector/display_names.h"
#include "dissector/node_build.h"
#include "vocabulary/name_tables.h"
#include "wire/readers.h"

namespace qarnolog {

namespace {

// How a selected value is turned into text.
enum class Render : std::uint8_t {
  Code,                         // CodeName of the row's table for the number read
  ClientVersion,                // ClientVersionText of the whole value
  ClientCaps,                   // ClientCapsText of the whole value
  ClientFlags,                  // ClientFlagsText of the number read
  RequiredOptionalClientFlags,  // RequiredOptionalClientFlagsText of the number read
  StatusPicture,                // StatusPictureFlagsText of the number read
};

enum class Match : std::uint8_t { Exact, Prefix };

struct SelectionRow {
  std::string_view name;  // the display name as the tables write it
  std::uint8_t width;     // bytes read big-endian for the renderer; 0: the whole value
  Render render;
  NameTable table = NameTable::HelloErrorCode;  // for Render::Code
  Match match = Match::Exact;
};

using enum Render;
using NT = NameTable;

// clang-format off
constexpr std::array kSelection = {
    SelectionRow{kHelloErrorCode,                    2, Code, NT::HelloErrorCode},
    SelectionRow{kLoginErrorCode,                    2, Code, NT::LoginErrorCode},
    SelectionRow{kByeReasonCode,                     2, Code, NT::ByeReasonCode},
    SelectionRow{kItemType,                          2, Code, NT::ItemType},
    SelectionRow{kAddResultCode,                     2, Code, NT::AddResultCode},
    SelectionRow{kDelResultCode,                     2, Code, NT::DelResultCode},
    SelectionRow{kUpdateResultCode,                  2, Code, NT::UpdateResultCode},
    SelectionRow{kAuthReplyCode,                     2, Code, NT::AuthReplyCode},
    SelectionRow{kOperationCode,                     2, Code, NT::OperationCode},
    SelectionRow{kClientType,                        2, Code, NT::ClientType},
    SelectionRow{kClientVer,                         0, ClientVersion},
    SelectionRow{kClientCaps,                        0, ClientCaps},
    SelectionRow{kPresenceStatus,                    4, Code, NT::PresenceStatus},
    SelectionRow{kMsgType,                           4, Code, NT::MsgType},
    SelectionRow{kNotifyType,                        4, Code, NT::NotifyType},
    SelectionRow{kNotifyValue,                       4, Code, NT::NotifyValue},
    SelectionRow{kEncryptionType,                    4, Code, NT::EncryptionType},
    SelectionRow{kDetailsResultCode,                 2, Code, NT::DetailsResultCode},
    SelectionRow{kUpdateDetailsResultCode,           2, Code, NT::UpdateDetailsResultCode},
    SelectionRow{kUpdateSecurityResultCode,          2, Code, NT::UpdateSecurityResultCode},
    SelectionRow{kSearchResultCode,                  2, Code, NT::SearchResultCode},
    SelectionRow{kAvatarRequestResultCode,           2, Code, NT::AvatarRequestResultCode},
    SelectionRow{kAvatarSetResultCode,               2, Code, NT::AvatarSetResultCode},
    SelectionRow{kFtReplyCode,                       2, Code, NT::FtReplyCode},
    SelectionRow{kFtControlCode,                     2, Code, NT::FtControlCode},
    SelectionRow{kFtErrorCode,                       2, Code, NT::FtErrorCode},
    SelectionRow{kTransportSettingsUpdateResultCode, 2, Code, NT::TransportSettingsUpdateResultCode},
    SelectionRow{kConnectionManagingCode,            2, Code, NT::ConnectionManagingCode},
    SelectionRow{kTransportStateCode,                2, Code, NT::TransportStateCode},
    SelectionRow{kExtensionType,                     2, Code, NT::ExtensionType},
    SelectionRow{kExtensionRegisterReplyCode,        2, Code, NT::ExtensionRegisterReplyCode},
    SelectionRow{kObjectCreationResultCode,          2, Code, NT::ObjectCreationResultCode},
    SelectionRow{kObjectDestructionResultCode,       2, Code, NT::ObjectDestructionResultCode},
    SelectionRow{kAdmChangePrefix,                   2, Code, NT::SettingsChangeResult, Match::Prefix},
    SelectionRow{kBroadcastFlag,                     2, Code, NT::BroadcastFlag},
    SelectionRow{kBroadcastResultCode,               2, Code, NT::BroadcastResultCode},
    SelectionRow{kUserCommand,                       2, Code, NT::UserCommand},
    SelectionRow{kUserOperationResultCode,           2, Code, NT::UserOperationResultCode},
    SelectionRow{kListType,                          2, Code, NT::ListType},
    SelectionRow{kListRequestResultCode,             2, Code, NT::ListRequestResultCode},
    SelectionRow{kRegistrationResultCode,            2, Code, NT::RegistrationResultCode},
    SelectionRow{kAdminLoginAckCode,                 2, Code, NT::AdminLoginAckCode},
    SelectionRow{kExtensionAdminUpdateResultCode,    2, Code, NT::ExtensionAdminUpdateResultCode},
    SelectionRow{kPrivacyType,                       1, Code, NT::PrivacyType},
    SelectionRow{kClientFlags,                       4, ClientFlags},
    SelectionRow{kRequiredOptionalClientFlags,       4, RequiredOptionalClientFlags},
    SelectionRow{kExtensionProxyType,                1, Code, NT::ExtensionProxyType},
    SelectionRow{kStatusPictureFlagsAndIndex,        4, StatusPicture},
};
// clang-format on
static_assert(kSelection.size() == 48);

// 'A' to 'Z' lowered, and nothing else, so that the selection does not depend on the locale.
constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::size_t kLongestName = [] {
  std::size_t longest = 0;
  for (const SelectionRow& row : kSelection) longest = std::max(longest, row.name.size());
  return longest;
}();

// A lowered name in a buffer of its own, made at compile time.
struct LoweredName {
  std::array<char, kLongestName> chars{};
  std::size_t size = 0;
};

constexpr auto kLowered = [] {
  std::array<LoweredName, kSelection.size()> lowered{};
  for (std::size_t i = 0; i < kSelection.size(); ++i) {
    const std::string_view name = kSelection[i].name;
    for (std::size_t j = 0; j < name.size(); ++j) lowered[i].chars[j] = LowerAscii(name[j]);
    lowered[i].size = name.size();
  }
  return lowered;
}();

// The lowered names, in the list's order.
constexpr auto kSelectionNames = [] {
  std::array<std::string_view, kSelection.size()> names{};
  for (std::size_t i = 0; i < kSelection.size(); ++i) {
    names[i] = {kLowered[i].chars.data(), kLowered[i].size};
  }
  return names;
}();

// Compares the display name lowered with a lowered entry name.
bool LowerAsciiEquals(std::string_view displayPart, std::string_view lowered) {
  if (displayPart.size() != lowered.size()) return false;
  for (std::size_t i = 0; i < lowered.size(); ++i) {
    if (LowerAscii(displayPart[i]) != lowered[i]) return false;
  }
  return true;
}

bool Matches(const SelectionRow& row, std::string_view lowered, std::string_view displayName) {
  if (row.match == Match::Prefix) {
    return displayName.size() >= lowered.size() &&
           LowerAsciiEquals(displayName.substr(0, lowered.size()), lowered);
  }
  return LowerAsciiEquals(displayName, lowered);
}

std::uint32_t ReadNumber(ByteView value, std::uint8_t width, std::int32_t remove) {
  switch (width) {
    case 1:
      return ReadByte(value, remove);
    case 2:
      return ReadWord(value, remove);
    default:
      return ReadDWord(value, remove);
  }
}

}  // namespace

std::span<const std::string_view> SelectionListNames() {
  return kSelectionNames;
}

bool SelectedText(std::string_view displayName, ByteView& value, std::string& text) {
  for (std::size_t i = 0; i < kSelection.size(); ++i) {
    const SelectionRow& row = kSelection[i];
    if (!Matches(row, kSelectionNames[i], displayName)) continue;
    if (row.width == 0) {
      // The composite reads the whole value itself and leaves it untouched.
      text = row.render == ClientVersion ? ClientVersionText(value) : ClientCapsText(value);
      return true;
    }
    // The number is read from the front; the read consumes the whole value.
    const std::uint32_t number = ReadNumber(value, row.width, 0);
    value = {};
    switch (row.render) {
      case ClientFlags:
        text = ClientFlagsText(number);
        break;
      case RequiredOptionalClientFlags:
        text = RequiredOptionalClientFlagsText(number);
        break;
      case StatusPicture:
        text = StatusPictureFlagsText(number);
        break;
      default:
        text = std::string(CodeName(row.table, number));
        break;
    }
    return true;
  }
  return false;
}

}  // namespace qarnolog
