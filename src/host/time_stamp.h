// The arrival time stamp of a packet: local time as "dd/mm/yy hh:mm:ss:zzz".
#pragma once

#include <QStringView>
#include <array>
#include <chrono>
#include <cstdint>

#include "host/packet_store.h"  // kTimeTextLength

namespace qarnolog {

// Formats a time stamp from its fields (day 1-31, month 1-12, any year, hour 0-23, minute,
// second, millisecond); the separators are fixed whatever the locale. Out-of-range fields are
// reduced to two (three) digits so the text always has kTimeTextLength characters.
void FormatTimeStamp(std::array<char16_t, kTimeTextLength>& out, int day, int month, int year,
                     int hour, int minute, int second, int millisecond);

// Produces time stamps cheaply: the local date and time down to the second are formatted once
// per second, only the milliseconds are redone for each call.
class TimeStampClock {
 public:
  // The stamp of the current time; the view is valid until the next call.
  [[nodiscard]] QStringView now();
  // The stamp of a given instant (local time).
  [[nodiscard]] QStringView at(std::chrono::system_clock::time_point instant);

 private:
  std::int64_t m_second = INT64_MIN;
  std::array<char16_t, kTimeTextLength> m_text{};
};

}  // namespace qarnolog
