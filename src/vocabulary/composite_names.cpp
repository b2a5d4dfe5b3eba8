// Texts built from several protocol values: the client version, the capability list, the
// presence flag sets and the status-picture word.
#include <array>
#include <span>
#include <string>

#include "vocabulary/name_tables.h"
#include "vocabulary/row_checks.h"
#include "wire/hex.h"      // HexDigits
#include "wire/readers.h"  // ReadWord

namespace qarnolog {

namespace {

using vocabulary::FindSortedRow;
using vocabulary::StrictlyAscending;

struct CapabilityRow {
  std::uint16_t code;
  std::string_view name;
};

struct FlagRow {
  std::uint32_t bit;
  std::string_view name;
};

// Client caps
constexpr std::array kCapabilities = {
    CapabilityRow{0x0001, "CAP_MSGS_UTF8"    },
    CapabilityRow{0x0002, "CAP_MSGS_RTF"     },
    CapabilityRow{0x0003, "CAP_MSGS_HTML"    },
    CapabilityRow{0x0004, "CAP_MSGS_ENCRYPT" },
    CapabilityRow{0x0005, "CAP_NOTIFS_TYPING"},
    CapabilityRow{0x0006, "CAP_AVATARS"      },
    CapabilityRow{0x0007, "CAP_FILE_TRANSFER"},
    CapabilityRow{0x0008, "CAP_TRANSPORTS"   },
    CapabilityRow{0x0009, "CAP_NOTIFS_ALARM" },
    CapabilityRow{0x000A, "CAP_NOTIFS_MAIL"  },
};

// Client flags, tested in this order
constexpr std::array kClientFlags = {
    FlagRow{0x00000001, "PRES_CF_RCV_CLIENT_NAME_AND_VER"},
    FlagRow{0x00000002, "PRES_CF_RCV_OS_INFORMATION"     },
    FlagRow{0x00000004, "PRES_CF_RCV_CLIENT_DESCRIPTION" },
    FlagRow{0x00000008, "PRES_CF_RCV_CLIENT_ID_BLK"      },
};

// Required optional client flags
constexpr std::array kRequiredOptionalClientFlags = {
    FlagRow{0x00000001, "PRES_REQ_FLAG_HOSTNAME"},
};

// Status picture flags and index: the index is the low word, the flags the high word.
constexpr std::uint32_t kStatusPictureIndexMask = 0x0000FFFF;
constexpr std::uint32_t kStatusPictureCustomFlag = 0x00010000;
constexpr std::string_view kStatusPictureCustomName = "SEARCH_ST_PIC_FLAG_CUSTOM";

constexpr auto kCapCodeOf = [](const CapabilityRow& row) { return row.code; };
static_assert(StrictlyAscending(std::span<const CapabilityRow>(kCapabilities), kCapCodeOf));

// The names of the set bits, in table order, joined by " | "; other bits are ignored.
std::string FlagSetText(std::span<const FlagRow> rows, std::uint32_t flags) {
  std::string text;
  for (const FlagRow& row : rows) {
    if ((flags & row.bit) == 0) continue;
    if (!text.empty()) text += " | ";
    text += row.name;
  }
  return text;
}

}  // namespace

std::string ClientVersionText(ByteView value) {
  std::string text;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) text += '.';
    text += std::to_string(ReadWord(value, 2));
  }
  return text;
}

std::string ClientCapsText(ByteView value) {
  std::string text;
  while (!value.empty()) {
    const std::uint16_t code = ReadWord(value, 2);
    if (!text.empty()) text += ", ";
    const CapabilityRow* row =
        FindSortedRow(std::span<const CapabilityRow>(kCapabilities), code, kCapCodeOf);
    if (row != nullptr) {
      text += row->name;
    } else {
      text += "UNK_";
      text += HexDigits(code, 4);
    }
  }
  return text;
}

std::string ClientFlagsText(std::uint32_t flags) {
  return FlagSetText(kClientFlags, flags);
}

std::string RequiredOptionalClientFlagsText(std::uint32_t flags) {
  return FlagSetText(kRequiredOptionalClientFlags, flags);
}

std::string StatusPictureFlagsText(std::uint32_t word) {
  std::string text = "[Index=";
  text += std::to_string(word & kStatusPictureIndexMask);
  text += "], [Flags=";
  if ((word & kStatusPictureCustomFlag) != 0) text += kStatusPictureCustomName;
  text += ']';
  return text;
}

}  // namespace qarnolog
