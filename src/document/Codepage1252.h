#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Texts of records, tables and files are single-byte Windows-1252, the code page of the systems that
// wrote the files users have. These convert at the edges. Bytes without a character in the code page
// (81, 8D, 8F, 90, 9D) map to the control characters of the same number, so every byte survives a
// round trip; characters the code page lacks become "?".
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view utf8);
std::string Utf16ToCp1252(std::u16string_view utf16);
char32_t Cp1252ToUnicode(unsigned char byte);
// Strict UTF-8, for checking what comes from outside: the character of the sequence at text[i],
// advancing i past it; nullopt, with i unchanged, for an invalid, overlong or cut sequence, a
// surrogate or a value above U+10FFFF.
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& i);
void AppendUtf8(std::string& out, char32_t c);
// The byte of a character, or '?' when the code page has none.
char UnicodeToCp1252(char32_t c);
bool IsAscii(std::string_view text);

} // namespace qv
