// Date-time arithmetic on the proleptic Gregorian calendar, valid for the years 1 to 9999.
#include "wire/datetime.h"

#include <cmath>  // std::floor, std::llround

namespace qarnolog {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::int64_t kFirstDay = -719'162;       // 0001-01-01, days since 1970-01-01
constexpr std::int64_t kLastDay = 2'932'896;       // 9999-12-31
}  // namespace

// Civil-date algorithms over 400-year eras (exact for any proleptic Gregorian date).
std::int64_t DaysFromCivil(int year, unsigned month, unsigned day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146'097 + static_cast<std::int64_t>(doe) - 719'468;
}

void CivilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day) {
  days += 719'468;
  const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
  const auto doe = static_cast<unsigned>(days - era * 146'097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = doy - (153 * mp + 2) / 5 + 1;
  month = mp < 10 ? mp + 3 : mp - 9;
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

double UnixTimeToDateTime(std::int64_t seconds) {
  if (seconds == 0) return kDateTimeZero;
  // Out of the representable years long before the product with 1000 could overflow.
  constexpr std::int64_t kLimit = (kLastDay + 1) * 86'400;
  if (seconds < kFirstDay * 86'400 || seconds >= kLimit) return kDateTimeZero;
  const std::int64_t ms = seconds * 1000;
  std::int64_t day = ms / kMsPerDay;
  std::int64_t msOfDay = ms % kMsPerDay;
  if (msOfDay < 0) {
    msOfDay += kMsPerDay;
    --day;
  }
  const double dayNumber = static_cast<double>(day + kUnixEpochDay);
  const double fraction = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
  return dayNumber >= 0 ? dayNumber + fraction : dayNumber - fraction;
}

CivilDateTime DateTimeToCivil(double dateTime) {
  CivilDateTime result;
  if (!std::isfinite(dateTime)) return result;
  const double whole = std::trunc(dateTime);
  const double fraction = std::fabs(dateTime - whole);
  if (whole < static_cast<double>(kFirstDay + kUnixEpochDay) ||
      whole > static_cast<double>(kLastDay + kUnixEpochDay)) {
    return result;
  }
  auto day = static_cast<std::int64_t>(whole) - kUnixEpochDay;
  std::int64_t ms = std::llround(fraction * static_cast<double>(kMsPerDay));
  if (ms >= kMsPerDay) {  // rounding reached the next midnight
    ms -= kMsPerDay;
    ++day;
    if (day > kLastDay) return CivilDateTime{};
  }
  CivilFromDays(day, result.year, result.month, result.day);
  result.hour = static_cast<unsigned>(ms / 3'600'000);
  result.minute = static_cast<unsigned>(ms / 60'000 % 60);
  result.second = static_cast<unsigned>(ms / 1000 % 60);
  result.millisecond = static_cast<unsigned>(ms % 1000);
  return result;
}

}  // namespace qarnolog
