// Fills the formats of the string table ("%s - připraven", "%d klávesové zkratky...").
//
// Those formats follow the conventions of the Windows C library, where %s in a wide format
// takes a wide string; the standard library's wide printf reads %s as a narrow string, so
// the texts are filled here instead of by printf.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace Vrbatec::VzorTextu {

// Replaces each %s and %d in turn by the next value (numbers are given as text), %% by %.
// A placeholder without a value left is dropped; surplus values are ignored; any other
// character after % stays as it is.
std::wstring Dosadit(std::wstring_view vzor, std::initializer_list<std::wstring_view> hodnoty);

} // namespace Vrbatec::VzorTextu
