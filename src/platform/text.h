// Text conversion and the small string rules the whole program shares.
//
// Inside the program every text is 8-bit text in the system's ANSI code page,
// as the settings file and the *A functions of the platform expect. Wide text
// appears only where the platform must see names outside that code page (file
// walks) and is converted at the edge. Conversions never throw; a text that
// cannot be converted comes back with the platform's replacement characters.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::wstring Widen(std::string_view ansi);
std::string Narrow(std::wstring_view wide);
std::string ToUtf8(std::wstring_view wide);
std::wstring FromUtf8(std::string_view utf8);

// Removes leading and trailing blanks (the space character only, as the
// settings and registry reads have always done; tabs stay).
std::string TrimSpaces(std::string_view text);

// The part before the first NUL, or the whole text.
std::string CutAtNul(std::string_view text);

// ASCII letter-case folding, as the platform compares INI and registry names.
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace platform
