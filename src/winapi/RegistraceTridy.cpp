#include "winapi/RegistraceTridy.h"

#include <mutex>
#include <unordered_map>

#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

namespace {

// Base procedures of the registered superclasses. Classes belong to the process, and a few
// windows (the volume dialog, the update check) live on threads of their own.
class ZakladniProcedury {
public:
    void Zapsat(ATOM trida, WNDPROC procedura) {
        std::lock_guard zamek(mutex_);
        procedury_[trida] = procedura;
    }

    WNDPROC Najit(ATOM trida) {
        std::lock_guard zamek(mutex_);
        const auto nalezena = procedury_.find(trida);
        return nalezena != procedury_.end() ? nalezena->second : ::DefWindowProcW;
    }

private:
    std::mutex mutex_;
    std::unordered_map<ATOM, WNDPROC> procedury_;
};

ZakladniProcedury& Procedury() {
    static ZakladniProcedury procedury;
    return procedury;
}

// The atom of a class registered earlier with the class procedure of OknoImpl.
ATOM UzRegistrovana(HINSTANCE instance, const wchar_t* nazev) {
    WNDCLASSEXW stavajici{};
    stavajici.cbSize = sizeof(stavajici);
    const ATOM atom = static_cast<ATOM>(::GetClassInfoExW(instance, nazev, &stavajici));
    if (atom == 0 || stavajici.lpfnWndProc != &OknoImpl::ProceduraTridy) {
        ::SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return atom;
}

} // namespace

ATOM RegistrovatTriduOkna(WNDCLASSEXW popis) {
    popis.cbSize = sizeof(popis);
    popis.lpfnWndProc = &OknoImpl::ProceduraTridy;
    const ATOM atom = ::RegisterClassExW(&popis);
    if (atom == 0 && ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        return UzRegistrovana(popis.hInstance, popis.lpszClassName);
    }
    return atom;
}

ATOM RegistrovatNadtriduOkna(HINSTANCE instance, const wchar_t* zakladniTrida,
                             const wchar_t* novaTrida) {
    WNDCLASSEXW popis{};
    popis.cbSize = sizeof(popis);
    if (!::GetClassInfoExW(nullptr, zakladniTrida, &popis) &&
        !::GetClassInfoExW(instance, zakladniTrida, &popis)) {
        return 0;
    }
    const WNDPROC zakladni = popis.lpfnWndProc;
    popis.hInstance = instance;
    popis.lpszClassName = novaTrida;
    popis.lpszMenuName = nullptr;
    popis.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    const ATOM atom = RegistrovatTriduOkna(popis);
    if (atom != 0) {
        Procedury().Zapsat(atom, zakladni);
    }
    return atom;
}

WNDPROC ZakladniProceduraTridy(ATOM trida) {
    return Procedury().Najit(trida);
}

} // namespace Vrbatec::WinApi
