// Filter and find tests of the packet list.
#include "window/filter_find.h"

#include <algorithm>
#include <cstring>  // std::memchr, std::memcmp
#include <string>
#include <string_view>
#include <type_traits>

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

ByteSearcher::ByteSearcher(ByteString pattern) : m_pattern(std::move(pattern)) {
  const std::size_t n = m_pattern.size();
  m_skip.fill(n);
  for (std::size_t i = 0; i + 1 < n; ++i) m_skip[m_pattern[i]] = n - 1 - i;
}

std::optional<std::size_t> ByteSearcher::find(ByteView haystack) const {
  const std::size_t n = m_pattern.size();
  if (n == 0 || haystack.size() < n) return std::nullopt;
  const std::uint8_t* const begin = haystack.data();
  const std::uint8_t* const stop = begin + (haystack.size() - n) + 1;  // last start + 1
  if (n <= 2) {
    const std::uint8_t first = m_pattern[0];
    const std::uint8_t* at = begin;
    while (at < stop) {
      const void* hit = std::memchr(at, first, static_cast<std::size_t>(stop - at));
      if (hit == nullptr) return std::nullopt;
      at = static_cast<const std::uint8_t*>(hit);
      if (n == 1 || at[1] == m_pattern[1]) return static_cast<std::size_t>(at - begin);
      ++at;
    }
    return std::nullopt;
  }
  const std::uint8_t lastByte = m_pattern[n - 1];
  for (const std::uint8_t* at = begin; at < stop;) {
    const std::uint8_t tail = at[n - 1];
    if (tail == lastByte && std::memcmp(at, m_pattern.data(), n - 1) == 0) {
      return static_cast<std::size_t>(at - begin);
    }
    at += m_skip[tail];
  }
  return std::nullopt;
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
