// Reading the host's length-prefixed UTF-16 strings.
#pragma once

#include <QStringView>
#include <cstdint>
#include <cstring>  // std::memcpy

#include "qarnolog/qarnolog.h"

namespace qarnolog {

// A view of a wide string's text. The 32-bit byte length before the first character is trusted
// as the host's contract; an odd length yields the whole UTF-16 units only. Null is empty.
[[nodiscard]] inline QStringView WideView(const QarnoLogWideChar* text) {
  if (text == nullptr) return {};
  std::uint32_t bytes = 0;
  std::memcpy(&bytes, reinterpret_cast<const unsigned char*>(text) - sizeof bytes, sizeof bytes);
  return QStringView(reinterpret_cast<const char16_t*>(text), qsizetype(bytes / 2));
}

}  // namespace qarnolog
