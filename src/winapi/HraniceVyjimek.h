// No C++ exception may cross into the system: window and dialog procedures, hooks and other
// callbacks run their code through BezVyjimek. A failure that reaches this boundary was not
// handled by the operation that raised it, so the program is in a state nobody planned for
// and ends through the fatal path: a thrown HRESULT (VyhoditHResult) with its own code,
// anything else as E_UNEXPECTED.
#pragma once

#include <windows.h>

#include <utility>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

template <class Funkce>
decltype(auto) BezVyjimek(Funkce&& funkce) noexcept {
    try {
        return std::forward<Funkce>(funkce)();
    } catch (HRESULT hr) {
        FatalniHResult(hr);
    } catch (...) {
        FatalniHResult(E_UNEXPECTED);
    }
}

} // namespace Vrbatec::WinApi
