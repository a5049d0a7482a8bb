// Ownership of a WinHTTP handle (session, connection or request), in a header of its own:
// winhttp.h and wininet.h cannot be included in the same source file.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include "winapi/Handle.h"

namespace Vrbatec::WinApi {

namespace Detail {

struct WinHttpHandle : NulovyHandle<HINTERNET> {
    static void Zavrit(HINTERNET h) noexcept {
        if (!::WinHttpCloseHandle(h)) {
            FatalniPosledniChyba();
        }
    }
};

} // namespace Detail

using UniqueWinHttp = Handle<Detail::WinHttpHandle>;

} // namespace Vrbatec::WinApi
