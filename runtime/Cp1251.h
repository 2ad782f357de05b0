// Code page 1251 <-> Unicode. Text inside the analyser is CP1251 bytes; these convert at the UI and
// file edges.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace runtime {

// Every byte has a character: 0x98, undefined in the code page, maps to U+0098 so files round-trip.
char16_t Cp1251ToUnicode(unsigned char byte);

// The byte for a character, or nothing when the code page cannot store it.
std::optional<unsigned char> UnicodeToCp1251(char32_t code);

std::u16string Cp1251ToUtf16(std::string_view bytes);

// Nothing when any character (or an unpaired surrogate) has no CP1251 byte.
std::optional<std::u16string::size_type> FirstUnencodableCp1251(std::u16string_view text);
std::optional<std::string> Utf16ToCp1251(std::u16string_view text);

std::string Cp1251ToUtf8(std::string_view bytes);

// For UTF-8 literals in the source and UTF-8 file names in messages: characters without a byte, and
// malformed UTF-8, become '?'.
std::string Cp1251FromUtf8(std::string_view utf8);

}  // namespace runtime
