// Time stamps with a per-second cache of the formatted date and time.
#include "host/time_stamp.h"

#include <ctime>  // localtime_r / localtime_s

namespace qarnolog {

namespace {

void putDigits(char16_t* out, int value, int digits) {
  if (value < 0) value = -value;
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = char16_t(u'0' + value % 10);
    value /= 10;
  }
}

}  // namespace

void FormatTimeStamp(std::array<char16_t, kTimeTextLength>& out, int day, int month, int year,
                     int hour, int minute, int second, int millisecond) {
  char16_t* p = out.data();
  putDigits(p + 0, day, 2);
  p[2] = u'/';
  putDigits(p + 3, month, 2);
  p[5] = u'/';
  putDigits(p + 6, year % 100, 2);
  p[8] = u' ';
  putDigits(p + 9, hour, 2);
  p[11] = u':';
  putDigits(p + 12, minute, 2);
  p[14] = u':';
  putDigits(p + 15, second, 2);
  p[17] = u':';
  putDigits(p + 18, millisecond, 3);
}

QStringView TimeStampClock::now() {
  return at(std::chrono::system_clock::now());
}

QStringView TimeStampClock::at(std::chrono::system_clock::time_point instant) {
  using namespace std::chrono;
  const std::int64_t ms = duration_cast<milliseconds>(instant.time_since_epoch()).count();
  std::int64_t second = ms / 1000;
  std::int64_t millisecond = ms % 1000;
  if (millisecond < 0) {
    millisecond += 1000;
    second -= 1;
  }
  if (second != m_second) {
    const std::time_t t = std::time_t(second);
    std::tm local{};
#ifdef _WIN32
    const bool ok = localtime_s(&local, &t) == 0;
#else
    const bool ok = localtime_r(&t, &local) != nullptr;
#endif
    if (!ok) local = std::tm{};
    FormatTimeStamp(m_text, local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour,
                    local.tm_min, local.tm_sec, 0);
    m_second = second;
  }
  putDigits(m_text.data() + 18, int(millisecond), 3);
  return QStringView(m_text.data(), kTimeTextLength);
}

}  // namespace qarnolog
