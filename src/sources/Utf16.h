// Texts of the list file are UTF-16 code units on every platform, while std::wstring holds
// UTF-16 on Windows and UTF-32 elsewhere. The conversions keep unpaired surrogates as
// single units, so that any text read from a file is written back with the same units.
#pragma once

#include <string>
#include <string_view>

namespace Vrbatec::Utf16 {

std::wstring NaWString(std::u16string_view text);
// For a text known to hold no surrogate: the same result, without looking for one.
std::wstring NaWStringBezNahradnich(std::u16string_view text);

// On UTF-32 platforms a value above U+10FFFF has no UTF-16 form and becomes U+FFFD; a
// surrogate value stays one unit. Texts that came from NaWString convert back unchanged.
std::u16string ZWString(std::wstring_view text);
// The same conversion, appended to cil.
void PripojitZWString(std::u16string& cil, std::wstring_view text);

} // namespace Vrbatec::Utf16
