// Text conversions. Texts inside the engine are UTF-8; the single-byte code page of the
// protocol's raw texts and of the hex dump is Windows-1251.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wire/bytes.h"

namespace qarnolog {

// The Unicode character of one Windows-1251 byte (0x98, unassigned, maps to U+0098).
char32_t Cp1251ToUnicode(std::uint8_t byte);

// Windows-1251 bytes to UTF-8 text, one character per byte.
std::string Cp1251ToUtf8(ByteView bytes);

// UTF-8 text to Windows-1251 bytes; characters the code page lacks become '?'. Malformed
// UTF-8 becomes '?' too.
ByteString Utf8ToCp1251(std::string_view text);

// Decodes UTF-8 (four-byte sequences included) into valid UTF-8: each malformed or truncated
// sequence becomes one U+FFFD and decoding resumes at the next byte that can start a sequence.
std::string DecodeUtf8(ByteView bytes);

// Appends the UTF-8 encoding of one character (surrogates and values past U+10FFFF as U+FFFD).
void AppendUtf8(std::string& out, char32_t c);

// Case mapping of every character by the C library's current locale (LC_CTYPE); the number of
// characters stays the same.
std::string LowerCaseText(std::string_view text);
std::string UpperCaseText(std::string_view text);

}  // namespace qarnolog
