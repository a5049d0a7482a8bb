#include "winapi/OknoImpl.h"

#include <commctrl.h>

#include <atomic>
#include <utility>

#include "winapi/Diagnostika.h"
#include "winapi/HraniceVyjimek.h"
#include "winapi/OdrazeniZprav.h"
#include "winapi/OdrazitOznameni.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::WinApi {

namespace {

// Own windows and dialogs find their object in this window property.
constexpr wchar_t kVlastnostObjektu[] = L"Vrbatec.WinApi.OknoImpl";

// Subclass identifiers are never reused, so that a new object can never revive an entry
// that an earlier object left passing messages on in a window's chain.
UINT_PTR NoveIdPodtridy() noexcept {
    static std::atomic<UINT_PTR> posledni{0};
    return ++posledni;
}

ATOM AtomTridy(HWND okno) noexcept {
    return static_cast<ATOM>(::GetClassLongPtrW(okno, GCW_ATOM));
}

bool JeTridaOknaImpl(HINSTANCE instance, const wchar_t* trida) noexcept {
    WNDCLASSEXW popis{};
    popis.cbSize = sizeof(popis);
    // Without an instance, the classes of the program are those of its executable.
    HINSTANCE modul = instance != nullptr ? instance : ::GetModuleHandleW(nullptr);
    return ::GetClassInfoExW(modul, trida, &popis) &&
           popis.lpfnWndProc == &OknoImpl::ProceduraTridy;
}

} // namespace

bool OknoImpl::ZpracovatZpravu(HWND, UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

OknoImpl::~OknoImpl() {
    if (znicenBehemZpravy_ != nullptr) {
        *znicenBehemZpravy_ = true;
    }
    if (okno_ == nullptr) {
        return;
    }
    if (vytvorenoObjektem_ && ::IsWindow(okno_)) {
        // Its WM_NCDESTROY unbinds this object.
        if (!::DestroyWindow(okno_)) {
            FatalniPosledniChyba();
        }
    }
    if (vazba_ == Vazba::Podtrida) {
        Odpojit();
    } else if (okno_ != nullptr && ::IsWindow(okno_)) {
        ::RemovePropW(okno_, kVlastnostObjektu);
    }
}

void OknoImpl::PoPosledniZprave() {}

HWND OknoImpl::Vytvorit(const PopisOkna& popis) {
    if (okno_ != nullptr) {
        ::SetLastError(ERROR_ALREADY_INITIALIZED);
        return nullptr;
    }
    // Other classes get no create parameter: some of them read one of their own.
    const bool vlastniTrida = JeTridaOknaImpl(popis.instance, popis.trida);
    HWND okno = ::CreateWindowExW(popis.rozsirenyStyl, popis.trida, popis.text, popis.styl, popis.x,
                                  popis.y, popis.sirka, popis.vyska, popis.rodic, popis.menu,
                                  popis.instance, vlastniTrida ? this : nullptr);
    if (okno == nullptr || vlastniTrida) {
        return okno;
    }
    if (!Pripojit(okno)) {
        const DWORD chyba = ::GetLastError();
        ::DestroyWindow(okno);
        ::SetLastError(chyba);
        return nullptr;
    }
    vytvorenoObjektem_ = true;
    return okno;
}

bool OknoImpl::Pripojit(HWND okno) {
    Odpojit();
    if (vazba_ != Vazba::Zadna || !::IsWindow(okno)) {
        ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    const UINT_PTR id = NoveIdPodtridy();
    if (!::SetWindowSubclass(okno, &ProceduraPodtridy, id, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    okno_ = okno;
    vazba_ = Vazba::Podtrida;
    idPodtridy_ = id;
    proceduraPoPripojeni_ = ::GetWindowLongPtrW(okno, GWLP_WNDPROC);
    return true;
}

void OknoImpl::Odpojit() {
    // A window the object created stays with it until it is destroyed.
    if (vazba_ != Vazba::Podtrida || vytvorenoObjektem_) {
        return;
    }
    if (::IsWindow(okno_)) {
        const bool nasePoradi = ::GetWindowLongPtrW(okno_, GWLP_WNDPROC) == proceduraPoPripojeni_;
        const BOOL ok = nasePoradi ? ::RemoveWindowSubclass(okno_, &ProceduraPodtridy, idPodtridy_)
                                   : ::SetWindowSubclass(okno_, &ProceduraPodtridy, idPodtridy_, 0);
        if (!ok) {
            FatalniPosledniChyba();
        }
    }
    Zapomenout();
}

LRESULT OknoImpl::VychoziZpracovani() {
    if (aktualniZprava_ == nullptr) {
        return 0;
    }
    const MSG& zprava = *aktualniZprava_;
    return Vychozi(vazba_, predchozi_, zprava.hwnd, zprava.message, zprava.wParam, zprava.lParam);
}

HWND OknoImpl::PlatneOkno() const {
    if (!::IsWindow(okno_)) {
        FatalniHResult(E_HANDLE);
    }
    return okno_;
}

LRESULT CALLBACK OknoImpl::ProceduraTridy(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
    OknoImpl* objekt = ObjektOkna(okno);
    if (objekt == nullptr && zprava == WM_NCCREATE) {
        const auto* vytvoreni = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        objekt = static_cast<OknoImpl*>(vytvoreni->lpCreateParams);
        if (objekt != nullptr) {
            objekt->NavazatVlastniOkno(okno);
        }
    }
    if (objekt == nullptr) {
        return ::CallWindowProcW(ZakladniProceduraTridy(AtomTridy(okno)), okno, zprava, wParam,
                                 lParam);
    }
    bool zpracovano = false;
    return objekt->Rozeslat(okno, zprava, wParam, lParam, zpracovano);
}

LRESULT CALLBACK OknoImpl::ProceduraPodtridy(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR data) {
    auto* objekt = reinterpret_cast<OknoImpl*>(data);
    if (objekt == nullptr) {
        // Left in the chain by a detach under someone else's procedure.
        const LRESULT vysledek = ::DefSubclassProc(okno, zprava, wParam, lParam);
        if (zprava == WM_NCDESTROY) {
            ::RemoveWindowSubclass(okno, &ProceduraPodtridy, id);
        }
        return vysledek;
    }
    bool zpracovano = false;
    return objekt->Rozeslat(okno, zprava, wParam, lParam, zpracovano);
}

OknoImpl* OknoImpl::ObjektOkna(HWND okno) noexcept {
    return static_cast<OknoImpl*>(::GetPropW(okno, kVlastnostObjektu));
}

void OknoImpl::NavazatVlastniOkno(HWND okno) {
    UlozitDoOkna(okno);
    vazba_ = Vazba::VlastniTrida;
    predchozi_ = ZakladniProceduraTridy(AtomTridy(okno));
    vytvorenoObjektem_ = true;
}

void OknoImpl::NavazatDialog(HWND okno, bool modalni) {
    UlozitDoOkna(okno);
    vazba_ = Vazba::Dialog;
    // A modal dialog ends through EndDialog inside its own loop and never outlives it.
    vytvorenoObjektem_ = !modalni;
}

void OknoImpl::UlozitDoOkna(HWND okno) {
    if (!::SetPropW(okno, kVlastnostObjektu, this)) {
        FatalniPosledniChyba();
    }
    okno_ = okno;
}

LRESULT OknoImpl::Rozeslat(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                           bool& zpracovano) noexcept {
    // Taken before the handler runs: a handler may detach, and the message must still
    // go on along the path it came by.
    const Vazba vazba = vazba_;
    const WNDPROC predchozi = predchozi_;
    const MSG aktualni{okno, zprava, wParam, lParam, 0, {}};
    const MSG* vnejsi = std::exchange(aktualniZprava_, &aktualni);
    bool znicen = false;
    bool* vnejsiZnicen = std::exchange(znicenBehemZpravy_, &znicen);

    LRESULT vysledek = 0;
    zpracovano =
        BezVyjimek([&] { return ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek); });
    if (!zpracovano) {
        vysledek = Vychozi(vazba, predchozi, okno, zprava, wParam, lParam);
    } else if (JeOdrazenaZprava(zprava)) {
        Detail::PotvrditOdrazenouZpravu(okno, zprava);
    }
    if (znicen) {
        // The object is gone; the messages around this one learn it from their own flags.
        if (vnejsiZnicen != nullptr) {
            *vnejsiZnicen = true;
        }
        return vysledek;
    }

    znicenBehemZpravy_ = vnejsiZnicen;
    aktualniZprava_ = vnejsi;
    if (zprava == WM_NCDESTROY) {
        PustitOkno(okno);
    }
    if (poNcDestroy_ && aktualniZprava_ == nullptr) {
        DokoncitPosledniZpravu(); // the object may be gone after this
    }
    return vysledek;
}

LRESULT OknoImpl::Vychozi(Vazba vazba, WNDPROC predchozi, HWND okno, UINT zprava, WPARAM wParam,
                          LPARAM lParam) noexcept {
    if (vazba == Vazba::Dialog) {
        return 0; // the dialog manager does the default processing once the procedure returns
    }
    if (JeOdrazenaZprava(zprava)) {
        return ::DefWindowProcW(okno, zprava - kZakladOdrazeni, wParam, lParam);
    }
    if (vazba == Vazba::Podtrida) {
        return ::DefSubclassProc(okno, zprava, wParam, lParam);
    }
    return ::CallWindowProcW(predchozi, okno, zprava, wParam, lParam);
}

void OknoImpl::PustitOkno(HWND okno) noexcept {
    if (vazba_ == Vazba::Podtrida) {
        ::RemoveWindowSubclass(okno, &ProceduraPodtridy, idPodtridy_);
    } else if (vazba_ != Vazba::Zadna) {
        ::RemovePropW(okno, kVlastnostObjektu);
    }
    vazba_ = Vazba::Zadna;
    poNcDestroy_ = true;
}

void OknoImpl::DokoncitPosledniZpravu() noexcept {
    Zapomenout();
    BezVyjimek([this] { PoPosledniZprave(); });
}

void OknoImpl::Zapomenout() noexcept {
    okno_ = nullptr;
    vazba_ = Vazba::Zadna;
    predchozi_ = ::DefWindowProcW;
    idPodtridy_ = 0;
    proceduraPoPripojeni_ = 0;
    vytvorenoObjektem_ = false;
    poNcDestroy_ = false;
}

std::wstring TextOkna(HWND okno) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(okno)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(okno, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace Vrbatec::WinApi
