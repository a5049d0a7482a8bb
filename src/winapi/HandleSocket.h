// Ownership of a Winsock socket, in a header of its own: winsock2.h must come before
// windows.h, which Handle.h includes.
#pragma once

#include <winsock2.h>

#include "winapi/Handle.h"

namespace Vrbatec::WinApi {

namespace Detail {

struct SocketHandle {
    using Typ = SOCKET;
    static constexpr Typ Prazdny() noexcept { return INVALID_SOCKET; }
    static bool Platny(Typ h) noexcept { return h != INVALID_SOCKET; }
    // Fails only for something that is not an open socket, a program error.
    static void Zavrit(Typ h) noexcept {
        if (::closesocket(h) != 0) {
            FatalniHResult(HRESULT_FROM_WIN32(static_cast<DWORD>(::WSAGetLastError())));
        }
    }
};

} // namespace Detail

using UniqueSocket = Handle<Detail::SocketHandle>;

} // namespace Vrbatec::WinApi
