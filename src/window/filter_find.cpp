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
