// The running program's version as the user is shown it: "major.minor.build.revision" of the
// executable's fixed file version, empty when its version block cannot be read.
#pragma once

#include <string>

namespace Vrbatec {

std::wstring VerzeProgramu();

} // namespace Vrbatec
