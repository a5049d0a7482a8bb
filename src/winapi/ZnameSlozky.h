// Folders the program finds by asking the system.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

namespace Vrbatec::WinApi {

// The known folder's path; nothing when the system has none for this user.
std::optional<std::wstring> ZnamaSlozka(REFKNOWNFOLDERID slozka);
// The full path of the program's executable; a failure is fatal.
std::wstring CestaProgramu();
// The folder that holds the program's executable, without a closing backslash unless it is
// the root of a drive.
std::wstring SlozkaProgramu();

} // namespace Vrbatec::WinApi
