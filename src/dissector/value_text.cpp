// Value texts by value kind, and the date-time text of a Unix time.
#include <array>
#include <charconv>  // std::to_chars
#include <ctime>     // std::tm, std::strftime

#include "dissector/node_build.h"
#include "dissector/value_kind.h"
#include "dissector/wtld_nodes.h"
#include "wire/datetime.h"
#include "wire/hex.h"
#include "wire/readers.h"
#include "wire/text.h"

namespace qarnolog {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;

// One strftime conversion of `tm` appended to `out`.
void AppendTime(std::string& out, const char* format, const std::tm& tm) {
  std::array<char, 256> buffer{};
  const std::size_t n = std::strftime(buffer.data(), buffer.size(), format, &tm);
  out.append(buffer.data(), n);
}

}  // namespace

std::string DecimalText(std::uint64_t number) {
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
  return std::string(buffer.data(), result.ptr);
}

std::string Utf8Text(ByteView bytes) {
  // Plain ASCII, the common case of names and accounts, is already valid UTF-8.
  for (const std::uint8_t byte : bytes) {
    if (byte >= 0x80) return DecodeUtf8(bytes);
  }
  return std::string(bytes.begin(), bytes.end());
}

std::string BoolText(bool value) {
  return value ? "True" : "False";
}

std::string UnixTimeText(std::int64_t seconds) {
  // The same moments as UnixTimeToDateTime: 0 and anything outside the years 1 to 9999 are the
  // date-time zero, 1899-12-30 00:00:00. Integer arithmetic keeps every second exact.
  static const std::int64_t firstDay = DaysFromCivil(1, 1, 1);
  static const std::int64_t endDay = DaysFromCivil(9999, 12, 31) + 1;
  const std::int64_t zeroDay = -kUnixEpochDay;
  std::int64_t day = zeroDay;
  std::int64_t secondOfDay = 0;
  if (seconds != 0 && seconds >= firstDay * kSecondsPerDay && seconds < endDay * kSecondsPerDay) {
    day = seconds / kSecondsPerDay;
    secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
      secondOfDay += kSecondsPerDay;
      --day;
    }
  }
  int year = 0;
  unsigned month = 0;
  unsigned dayOfMonth = 0;
  CivilFromDays(day, year, month, dayOfMonth);

  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = static_cast<int>(month) - 1;
  tm.tm_mday = static_cast<int>(dayOfMonth);
  tm.tm_hour = static_cast<int>(secondOfDay / 3600);
  tm.tm_min = static_cast<int>(secondOfDay / 60 % 60);
  tm.tm_sec = static_cast<int>(secondOfDay % 60);
  tm.tm_wday = static_cast<int>(((day % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  tm.tm_yday = static_cast<int>(day - DaysFromCivil(year, 1, 1));
  tm.tm_isdst = 0;

  std::string text;
  AppendTime(text, "%x", tm);
  if (secondOfDay != 0) {
    text += ' ';
    AppendTime(text, "%X", tm);
  }
  return text;
}

std::string KindText(ByteView value, std::uint8_t kind) {
  switch (static_cast<ValueKind>(kind)) {
    case ValueKind::RawText:
      return Cp1251ToUtf8(value);
    case ValueKind::Utf8Text:
      return Utf8Text(value);
    case ValueKind::WordDec:
      return DecimalText(ReadWord(value, 2));
    case ValueKind::DWordDec:
      return DecimalText(ReadDWord(value, 4));
    case ValueKind::NoValue:
      return {};
    case ValueKind::UnixTimeUtc:
      return UnixTimeText(static_cast<std::int64_t>(ReadQWord(value, 8))) + " UTC";
    case ValueKind::UnixTimeOrNotSet: {
      const auto seconds = static_cast<std::int64_t>(ReadQWord(value, 8));
      return seconds == 0 ? "Not set / " + UnixTimeText(0) : UnixTimeText(seconds);
    }
    case ValueKind::ByteDec:
      return DecimalText(ReadByte(value, 1));
    case ValueKind::Bool:
      return BoolText(ReadBool(value, 1));
    case ValueKind::QWordDec:
      return DecimalText(ReadQWord(value, 8));
    case ValueKind::HexBytes:
      return BytesToHex(value);
  }
  return {};  // kinds 0 and 12 to 255
}

}  // namespace qarnolog
