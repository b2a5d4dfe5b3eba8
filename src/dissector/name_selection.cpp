// The selection list: display names (lower-cased) that show a wTLD value through a name table
// or a composite renderer instead of by its value kind. Tested in order; the first match wins.
#include <array>

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
  std::string_view name;  // lower-cased display name
  std::uint8_t width;     // bytes read big-endian for the renderer; 0: the whole value
  Render render;
  NameTable table = NameTable::HelloErrorCode;  // for Render::Code
  Match match = Match::Exact;
};

using enum Render;
using NT = NameTable;

// clang-format off
constexpr std::array kSelection = {
    SelectionRow{"hello error code",                      2, Code, NT::HelloErrorCode},
    SelectionRow{"login error code",                      2, Code, NT::LoginErrorCode},
    SelectionRow{"bye reason code",                       2, Code, NT::ByeReasonCode},
    SelectionRow{"item type",                             2, Code, NT::ItemType},
    SelectionRow{"add result code",                       2, Code, NT::AddResultCode},
    SelectionRow{"del result code",                       2, Code, NT::DelResultCode},
    SelectionRow{"update result code",                    2, Code, NT::UpdateResultCode},
    SelectionRow{"auth reply code",                       2, Code, NT::AuthReplyCode},
    SelectionRow{"operation code",                        2, Code, NT::OperationCode},
    SelectionRow{"client type",                           2, Code, NT::ClientType},
    SelectionRow{"client ver",                            0, ClientVersion},
    SelectionRow{"client caps",                           0, ClientCaps},
    SelectionRow{"presence status",                       4, Code, NT::PresenceStatus},
    SelectionRow{"msg type",                              4, Code, NT::MsgType},
    SelectionRow{"notify type",                           4, Code, NT::NotifyType},
    SelectionRow{"notify value",                          4, Code, NT::NotifyValue},
    SelectionRow{"encryption type",                       4, Code, NT::EncryptionType},
    SelectionRow{"details result code",                   2, Code, NT::DetailsResultCode},
    SelectionRow{"update details result code",            2, Code, NT::UpdateDetailsResultCode},
    SelectionRow{"update security result code",           2, Code, NT::UpdateSecurityResultCode},
    SelectionRow{"search result code",                    2, Code, NT::SearchResultCode},
    SelectionRow{"avatar request result code",            2, Code, NT::AvatarRequestResultCode},
    SelectionRow{"avatar set result code",                2, Code, NT::AvatarSetResultCode},
    SelectionRow{"ft reply code",                         2, Code, NT::FtReplyCode},
    SelectionRow{"ft control code",                       2, Code, NT::FtControlCode},
    SelectionRow{"ft error code",                         2, Code, NT::FtErrorCode},
    SelectionRow{"transport settings update result code", 2, Code, NT::TransportSettingsUpdateResultCode},
    SelectionRow{"connection managing code",              2, Code, NT::ConnectionManagingCode},
    SelectionRow{"transport state code",                  2, Code, NT::TransportStateCode},
    SelectionRow{"extension type",                        2, Code, NT::ExtensionType},
    SelectionRow{"extension register reply code",         2, Code, NT::ExtensionRegisterReplyCode},
    SelectionRow{"object creation result code",           2, Code, NT::ObjectCreationResultCode},
    SelectionRow{"object destruction result code",        2, Code, NT::ObjectDestructionResultCode},
    SelectionRow{"adm change:",                           2, Code, NT::SettingsChangeResult, Match::Prefix},
    SelectionRow{"broadcast flag",                        2, Code, NT::BroadcastFlag},
    SelectionRow{"broadcast result code",                 2, Code, NT::BroadcastResultCode},
    SelectionRow{"user command",                          2, Code, NT::UserCommand},
    SelectionRow{"user operation result code",            2, Code, NT::UserOperationResultCode},
    SelectionRow{"list type",                             2, Code, NT::ListType},
    SelectionRow{"list request result code",              2, Code, NT::ListRequestResultCode},
    SelectionRow{"registration result code",              2, Code, NT::RegistrationResultCode},
    SelectionRow{"admin login ack code",                  2, Code, NT::AdminLoginAckCode},
    SelectionRow{"extension admin update result code",    2, Code, NT::ExtensionAdminUpdateResultCode},
    SelectionRow{"privacy type",                          1, Code, NT::PrivacyType},
    SelectionRow{"client flags",                          4, ClientFlags},
    SelectionRow{"required optional client flags",        4, RequiredOptionalClientFlags},
    SelectionRow{"extension proxy type",                  1, Code, NT::ExtensionProxyType},
    SelectionRow{"status picture flags and index",        4, StatusPicture},
};
// clang-format on
static_assert(kSelection.size() == 48);

// Compares with 'A' to 'Z' of the display name lowered, and nothing else, so that the
// selection does not depend on the locale.
bool LowerAsciiEquals(std::string_view displayPart, std::string_view lowered) {
  if (displayPart.size() != lowered.size()) return false;
  for (std::size_t i = 0; i < lowered.size(); ++i) {
    char c = displayPart[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowered[i]) return false;
  }
  return true;
}

bool Matches(const SelectionRow& row, std::string_view displayName) {
  if (row.match == Match::Prefix) {
    return displayName.size() >= row.name.size() &&
           LowerAsciiEquals(displayName.substr(0, row.name.size()), row.name);
  }
  return LowerAsciiEquals(displayName, row.name);
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

constexpr auto kSelectionNames = [] {
  std::array<std::string_view, kSelection.size()> names{};
  for (std::size_t i = 0; i < kSelection.size(); ++i) names[i] = kSelection[i].name;
  return names;
}();

}  // namespace

std::span<const std::string_view> SelectionListNames() {
  return kSelectionNames;
}

bool SelectedText(std::string_view displayName, ByteView& value, std::string& text) {
  for (const SelectionRow& row : kSelection) {
    if (!Matches(row, displayName)) continue;
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
