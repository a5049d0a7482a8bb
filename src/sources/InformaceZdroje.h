// The lines of the source-properties dialog: what the player reports about the current
// stream, one line per item it answers, in a fixed order. An item the player cannot give has
// no line; one given as empty text has its line with nothing after the colon.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Vrbatec {

// Asks the player for one item by its attribute name; false when it cannot answer.
using DotazNaMedium = std::function<bool(const std::wstring& atribut, std::wstring& hodnota)>;

std::vector<std::wstring> RadkyInformaciZdroje(const DotazNaMedium& dotaz);

// The bit rate as reported (bits per second, leading digits of the text, 0 when none) in
// whole kilobits, cut toward zero.
int KilobityZTextu(std::wstring_view text);

} // namespace Vrbatec
