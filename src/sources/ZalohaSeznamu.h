// A list file that could not be read is never replaced without first keeping a copy of
// it. These are the names of that copy and what the user is told about it.
#pragma once

#include <string>

namespace Vrbatec::ZalohaSeznamu {

// "X.bak" for the first attempt, then "X.bak2", "X.bak3"...; an earlier copy is never
// overwritten, so callers try the numbers in turn until a free name is found.
std::wstring NazevZalohy(const std::wstring& cesta, unsigned pokus);

std::wstring TextOZaloze(const std::wstring& cesta, const std::wstring& zaloha);

} // namespace Vrbatec::ZalohaSeznamu
