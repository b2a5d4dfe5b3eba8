// Filter and find tests of the packet list.
#include "window/filter_find.h"

#include <algorithm>
#include <array>
#include <bit>      // std::countr_zero
#include <cstring>  // std::memchr, std::memcmp
#include <string>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>  // 16-byte loads and compares
#endif

#include "wire/hex.h"
#include "wire/text.h"

namespace qarnolog {

QStringView TrimControls(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin].unicode() <= 0x20) ++begin;
  while (end > begin && text[end - 1].unicode() <= 0x20) --end;
  return text.sliced(begin, end - begin);
}

FilterTest::FilterTest(const QString& loweredEditText, bool negate)
    : m_pattern(TrimControls(loweredEditText).toString()), m_negate(negate) {
  m_utf16.assign(reinterpret_cast<const char16_t*>(m_pattern.utf16()),
                 static_cast<std::size_t>(m_pattern.size()));
  m_latin1Fits = std::all_of(m_utf16.begin(), m_utf16.end(), [](char16_t c) { return c < 0x100; });
  if (m_latin1Fits) {
    for (const char16_t c : m_utf16) m_latin1.push_back(static_cast<char>(c));
  }
}

// std::basic_string_view::find runs on memchr for bytes and a plain loop for UTF-16 units,
// which beats a general string search on texts as short as a row's.
bool FilterTest::contains(QAnyStringView text) const {
  return text.visit([this](auto view) {
    using View = decltype(view);
    if constexpr (std::is_same_v<View, QLatin1StringView>) {
      if (!m_latin1Fits) return false;  // a character above U+00FF is in no Latin-1 text
      return std::string_view(view.data(), static_cast<std::size_t>(view.size())).find(m_latin1) !=
             std::string_view::npos;
    } else if constexpr (std::is_same_v<View, QStringView>) {
      return std::u16string_view(view.utf16(), static_cast<std::size_t>(view.size()))
                 .find(m_utf16) != std::u16string_view::npos;
    } else {
      return view.toString().contains(m_pattern);
    }
  });
}

namespace {

// How common a byte value is in packets: 3 for zero, 2 for other control bytes, space and 0xFF,
// 1 for printable ASCII, 0 for the rest.
int Commonness(std::uint8_t byte) {
  if (byte == 0x00) return 3;
  if (byte <= 0x20 || byte == 0xFF) return 2;
  if (byte < 0x7F) return 1;
  return 0;
}

}  // namespace

ByteSearcher::ByteSearcher(ByteString pattern) : m_pattern(std::move(pattern)) {
  for (std::size_t i = 1; i < m_pattern.size(); ++i) {
    if (Commonness(m_pattern[i]) < Commonness(m_pattern[m_anchor])) m_anchor = i;
  }
}

std::optional<std::size_t> ByteSearcher::find(ByteView haystack) const {
  const std::size_t n = m_pattern.size();
  if (n == 0 || haystack.size() < n) return std::nullopt;
  const std::uint8_t* const begin = haystack.data();
  const std::size_t starts = haystack.size() - n + 1;  // possible start offsets
  const std::uint8_t anchor = m_pattern[m_anchor];
  const std::uint8_t* at = begin + m_anchor;
  const std::uint8_t* const stop = at + starts;
  while (at < stop) {
    const void* hit = std::memchr(at, anchor, static_cast<std::size_t>(stop - at));
    if (hit == nullptr) return std::nullopt;
    const std::uint8_t* const start = static_cast<const std::uint8_t*>(hit) - m_anchor;
    if (std::memcmp(start, m_pattern.data(), n) == 0)
      return static_cast<std::size_t>(start - begin);
    at = static_cast<const std::uint8_t*>(hit) + 1;
  }
  return std::nullopt;
}

TextSearcher::TextSearcher(std::string pattern, std::string_view sample)
    : m_pattern(std::move(pattern)) {
  const std::size_t n = m_pattern.size();
  if (n == 0) return;
  std::array<std::size_t, 256> count{};
  for (const char c : sample) ++count[static_cast<unsigned char>(c)];
  const auto countAt = [&](std::size_t i) {
    return count[static_cast<unsigned char>(m_pattern[i])];
  };
  for (std::size_t i = 1; i < n; ++i) {
    if (countAt(i) < countAt(m_first)) m_first = i;
  }
  // The second byte: the least common one of another value, when there is one (the same value
  // again rules out little); else the position farthest from the first.
  m_second = m_first < n / 2 ? n - 1 : 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (m_pattern[i] == m_pattern[m_first]) continue;
    if (m_pattern[m_second] == m_pattern[m_first] || countAt(i) < countAt(m_second)) m_second = i;
  }
}

const char* TextSearcher::find(const char* begin, const char* end) const {
  const std::size_t n = m_pattern.size();
  if (n == 0 || begin == nullptr || end <= begin || static_cast<std::size_t>(end - begin) < n)
    return nullptr;
  const char* const last = end - n;  // the last possible start
  const char* at = begin;
  const char first = m_pattern[m_first];
#if defined(__SSE2__)
  const char second = m_pattern[m_second];
  const __m128i firsts = _mm_set1_epi8(first);
  const __m128i seconds = _mm_set1_epi8(second);
  // Bit k: the two bytes agree for the start p + k (k < 16).
  const auto agree = [&](const char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m_first));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m_second));
    return static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(x, firsts), _mm_cmpeq_epi8(y, seconds))));
  };
  // The first start among the bits of `mask` (bit k: start at + k) where the whole pattern is.
  const auto verify = [&](std::uint32_t mask) -> const char* {
    // Two bytes at distinct places cover a pattern of up to two: no more to compare.
    if (mask != 0 && n <= 2) return at + std::countr_zero(mask);
    for (; mask != 0; mask &= mask - 1) {
      const char* const start = at + std::countr_zero(mask);
      if (std::memcmp(start, m_pattern.data(), n) == 0) return start;
    }
    return nullptr;
  };
  // Starts at .. at + 31 are tested together while the loads stay in the range: the farthest
  // byte read is at + 31 + (n - 1), below end exactly when at + 31 <= last.
  for (; last - at >= 31; at += 32) {
    const std::uint32_t mask = agree(at) | agree(at + 16) << 16;
    if (mask == 0) continue;
    if (const char* const found = verify(mask)) return found;
  }
  if (last - at >= 15) {
    if (const char* const found = verify(agree(at))) return found;
    at += 16;
  }
  for (; at <= last; ++at) {
    if (at[m_first] == first && at[m_second] == second && std::memcmp(at, m_pattern.data(), n) == 0)
      return at;
  }
#else
  // memchr for the least common byte, then the whole pattern at each hit.
  const char* probe = at + m_first;
  const char* const stop = last + m_first + 1;
  while (probe < stop) {
    const void* hit = std::memchr(probe, static_cast<unsigned char>(first),
                                  static_cast<std::size_t>(stop - probe));
    if (hit == nullptr) return nullptr;
    const char* const start = static_cast<const char*>(hit) - m_first;
    if (std::memcmp(start, m_pattern.data(), n) == 0) return start;
    probe = static_cast<const char*>(hit) + 1;
  }
#endif
  return nullptr;
}

FindTest::FindTest(const QString& editText, bool hex)
    : m_active(!TrimControls(editText).isEmpty()) {
  if (!m_active) return;
  if (hex) {
    QString digits = editText;
    digits.remove(u' ');
    m_searcher = ByteSearcher(HexToBytes(UpperCaseText(digits.toStdString())));
  } else {
    m_searcher = ByteSearcher(Utf8ToCp1251(TrimControls(editText).toUtf8().toStdString()));
  }
}

std::optional<ByteRange> FindTest::firstMatch(ByteView bytes) const {
  if (!m_active) return std::nullopt;
  const auto at = m_searcher.find(bytes);
  if (!at) return std::nullopt;
  return ByteRange{*at, *at + m_searcher.pattern().size() - 1};
}

}  // namespace qarnolog
