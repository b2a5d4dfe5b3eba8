// The packet list's two row tests without any widget: the filter (a case-insensitive substring
// of the row's texts, optionally negated) and the find (a byte string anywhere in the packet).
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "window/hex_dump_text.h"  // ByteRange
#include "wire/bytes.h"

namespace qarnolog {

// `text` without its leading and trailing characters up to U+0020 (spaces and controls).
QStringView TrimControls(QStringView text);

// The filter of EditFilter and CheckBoxNot. The caller lowers the edit's text with the same
// function that lowered the rows' cached filter texts, so both sides agree on case mapping.
class FilterTest {
 public:
  FilterTest() = default;
  FilterTest(const QString& loweredEditText, bool negate);

  // False when the edit's text is empty after trimming: then every row passes.
  [[nodiscard]] bool active() const { return !m_pattern.isEmpty(); }
  [[nodiscard]] bool negated() const { return m_negate; }
  // Whether the trimmed pattern fits Latin-1; only then can a Latin-1 text contain it.
  [[nodiscard]] bool latin1Fits() const { return m_latin1Fits; }
  // The trimmed pattern in Latin-1 (empty when it does not fit).
  [[nodiscard]] const std::string& latin1Pattern() const { return m_latin1; }
  // Whether a row passes, given its lower-cased filter text (Latin-1 or UTF-16).
  [[nodiscard]] bool passes(QAnyStringView loweredRowText) const {
    if (m_pattern.isEmpty()) return true;
    return contains(loweredRowText) != m_negate;
  }

 private:
  [[nodiscard]] bool contains(QAnyStringView text) const;

  QString m_pattern;
  std::u16string m_utf16;  // the pattern for UTF-16 texts
  std::string m_latin1;    // and for Latin-1 texts, when every character fits
  bool m_latin1Fits = false;
  bool m_negate = false;
};

// Finds one byte string in others. It runs memchr over the haystack for one byte of the
// pattern, the one least likely to be common in packets (zeros, control bytes and ASCII text
// are common), and compares the whole pattern at each hit: memchr scans many bytes per step,
// where a skip-table search such as Boyer-Moore-Horspool is held up by one dependent load per
// step. Copyable; an empty pattern is found nowhere.
class ByteSearcher {
 public:
  ByteSearcher() = default;
  explicit ByteSearcher(ByteString pattern);

  [[nodiscard]] const ByteString& pattern() const { return m_pattern; }
  // Offset of the first occurrence in `haystack`, or none.
  [[nodiscard]] std::optional<std::size_t> find(ByteView haystack) const;

 private:
  ByteString m_pattern;
  std::size_t m_anchor = 0;  // index of the byte that memchr looks for
};

// Finds one Latin-1 string in long texts, such as the filter texts of many rows stored back to
// back. Each step compares 16 positions at once for two bytes of the pattern at their distance
// in it (the two least common in a sample of the texts to search), and compares the whole
// pattern only where both agree: on lower-cased row texts most single bytes of a typed word
// occur in every row, while a pair of them at the right distance rarely does. Copyable; an
// empty pattern is found nowhere.
class TextSearcher {
 public:
  TextSearcher() = default;
  // `sample` only steers the choice of the two bytes compared first; any sample, even an empty
  // one, gives the same results.
  TextSearcher(std::string pattern, std::string_view sample);

  [[nodiscard]] const std::string& pattern() const { return m_pattern; }
  // The first occurrence that lies wholly in [begin, end), or null. Reads no byte outside it.
  [[nodiscard]] const char* find(const char* begin, const char* end) const;

 private:
  std::string m_pattern;
  std::size_t m_first = 0;   // index of the pattern's least common byte
  std::size_t m_second = 0;  // and of its next least common one
};

// The find of EditFind and CheckBoxHex.
class FindTest {
 public:
  FindTest() = default;
  // Hex: spaces (U+0020 only) removed, upper-cased, converted from hex digit pairs; an odd
  // count or a non-hex character gives an empty pattern, which no row passes. Plain: trimmed
  // and converted to Windows-1251, searched case-sensitively.
  FindTest(const QString& editText, bool hex);

  // False when the edit's text is empty after trimming: then every row passes.
  [[nodiscard]] bool active() const { return m_active; }
  [[nodiscard]] const ByteString& pattern() const { return m_searcher.pattern(); }
  [[nodiscard]] const ByteSearcher& searcher() const { return m_searcher; }
  [[nodiscard]] bool passes(ByteView bytes) const {
    return !m_active || m_searcher.find(bytes).has_value();
  }
  // The bytes of the first match to highlight, or none when inactive or not found.
  [[nodiscard]] std::optional<ByteRange> firstMatch(ByteView bytes) const;

 private:
  bool m_active = false;
  ByteSearcher m_searcher;
};

}  // namespace qarnolog
