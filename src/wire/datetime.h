// Date-time values: a count of days since 1899-12-30 00:00:00 whose fraction is the time of
// day. Days before that date are negative; as in the classic encoding, the integer part is then
// the day and the fraction's magnitude still counts forward into that day (-1.25 is 1899-12-29
// 06:00). 0 is the date-time zero.
#pragma once

#include <cstdint>

namespace qarnolog {

inline constexpr double kDateTimeZero = 0.0;
inline constexpr std::int64_t kUnixEpochDay = 25569;  // 1970-01-01

struct CivilDateTime {
  int year = 1899;  // 1 to 9999
  unsigned month = 12;
  unsigned day = 30;
  unsigned hour = 0;
  unsigned minute = 0;
  unsigned second = 0;
  unsigned millisecond = 0;
};

// Seconds since 1970-01-01 00:00:00 (no time zone, no leap seconds) as a date-time. 0, and any
// moment outside 0001-01-01 to 9999-12-31 23:59:59.999, give the date-time zero.
double UnixTimeToDateTime(std::int64_t seconds);

// The calendar moment of a date-time, rounded to the millisecond. Values outside the years
// 1 to 9999 give the date-time zero's moment.
CivilDateTime DateTimeToCivil(double dateTime);

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, unsigned month, unsigned day);
void CivilFromDays(std::int64_t days, int& year, unsigned& month, unsigned& day);

}  // namespace qarnolog
