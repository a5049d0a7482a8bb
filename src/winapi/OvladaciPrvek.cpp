#include "winapi/OvladaciPrvek.h"

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

void OvladaciPrvek::Uvolnit() {
    if (vlastni_ && ::IsWindow(okno_) && !::DestroyWindow(okno_)) {
        FatalniPosledniChyba();
    }
    okno_ = nullptr;
    vlastni_ = false;
}

bool OvladaciPrvek::Pripojit(HWND okno) {
    if (!::IsWindow(okno)) {
        FatalniHResult(E_HANDLE);
    }
    const bool drivePripojen = ::IsWindow(okno_) != FALSE;
    if (okno_ != okno) {
        Uvolnit();
    }
    okno_ = okno;
    vlastni_ = false;
    return drivePripojen;
}

OvladaciPrvek::~OvladaciPrvek() {
    OvladaciPrvek::Uvolnit();
}

void OvladaciPrvek::Vytvorit(const PopisOkna& popis) {
    Uvolnit();
    HWND okno = ::CreateWindowExW(popis.rozsirenyStyl, popis.trida, popis.text, popis.styl, popis.x,
                                  popis.y, popis.sirka, popis.vyska, popis.rodic, popis.menu,
                                  popis.instance, nullptr);
    if (okno == nullptr) {
        FatalniPosledniChyba();
    }
    okno_ = okno;
    vlastni_ = true;
}

HWND OvladaciPrvek::PlatneOkno() const {
    if (!::IsWindow(okno_)) {
        FatalniHResult(E_HANDLE);
    }
    return okno_;
}

} // namespace Vrbatec::WinApi
