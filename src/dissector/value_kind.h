// How a wTLD value is shown when its display name selects no name table.
#pragma once

#include <cstdint>

namespace qarnolog {

// The wire numbers 1 to 11 of the value kinds; any other number renders as an empty text.
enum class ValueKind : std::uint8_t {
  RawText = 1,           // the bytes through Windows-1251
  Utf8Text = 2,          // the bytes as UTF-8, malformed input as U+FFFD
  WordDec = 3,           // first 2 bytes, unsigned decimal
  DWordDec = 4,          // first 4 bytes, unsigned decimal
  NoValue = 5,           // empty
  UnixTimeUtc = 6,       // first 8 bytes as Unix time, date-time text + " UTC"
  UnixTimeOrNotSet = 7,  // "Not set / " + date-time zero when 0, else the date-time text
  ByteDec = 8,           // first byte, 0 to 255
  Bool = 9,              // "True" when the first byte is not 0, else "False"
  QWordDec = 10,         // first 8 bytes, unsigned decimal
  HexBytes = 11,         // two upper-case hex digits per byte
};

}  // namespace qarnolog
