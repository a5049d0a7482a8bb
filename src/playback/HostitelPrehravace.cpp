#include "playback/HostitelPrehravace.h"

#include "winapi/Diagnostika.h"
#include "res/resource.h"

using Microsoft::WRL::ComPtr;

namespace Vrbatec {

namespace {

constexpr wchar_t kTridaHostitele[] = L"ZvukoletHostitelPrehravace";

void OveritHResult(HRESULT hr) {
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
}

void RegistrovatTridu(HINSTANCE instance) {
    WNDCLASSEXW trida{};
    trida.cbSize = sizeof(trida);
    trida.lpfnWndProc = ::DefWindowProcW;
    trida.hInstance = instance;
    trida.lpszClassName = kTridaHostitele;
    if (::RegisterClassExW(&trida) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        VyhoditHResult(HResultPosledniChyby());
    }
}

} // namespace

HostitelPrehravace::HostitelPrehravace(HINSTANCE instance, HWND rodic, const wchar_t* progId) {
    try {
        VytvoritOkno(instance, rodic);
        misto_.Attach(MistoPrvku::Vytvorit(okno_.Get()));
        VytvoritPrvek(progId);
        AktivovatNaMiste();
    } catch (...) {
        Zbourat();
        throw;
    }
}

HostitelPrehravace::~HostitelPrehravace() {
    Zbourat();
}

void HostitelPrehravace::VytvoritOkno(HINSTANCE instance, HWND rodic) {
    RegistrovatTridu(instance);
    okno_.Reset(::CreateWindowExW(0, kTridaHostitele, nullptr, WS_CHILD, 0, 0, 0, 0, rodic,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PREHRAVAC)),
                                  instance, nullptr));
    OveritVolani(okno_.Get() != nullptr);
}

void HostitelPrehravace::VytvoritPrvek(const wchar_t* progId) {
    CLSID trida{};
    OveritHResult(::CLSIDFromProgID(progId, &trida));
    OveritHResult(::CoCreateInstance(trida, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&prvek_)));

    // Some controls read their ambient state while they initialise and need the site first.
    DWORD stav = 0;
    if (FAILED(prvek_->GetMiscStatus(DVASPECT_CONTENT, &stav))) {
        stav = 0;
    }
    const bool siteNejdriv = (stav & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteNejdriv) {
        OveritHResult(prvek_->SetClientSite(misto_->KlientskeMisto()));
    }
    ComPtr<IPersistStreamInit> trvalost;
    if (SUCCEEDED(prvek_.As(&trvalost))) {
        OveritHResult(trvalost->InitNew());
    }
    if (!siteNejdriv) {
        OveritHResult(prvek_->SetClientSite(misto_->KlientskeMisto()));
    }
}

void HostitelPrehravace::AktivovatNaMiste() {
    RECT obdelnik{};
    OveritHResult(prvek_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, misto_->KlientskeMisto(), 0,
                                 okno_.Get(), &obdelnik));
}

void HostitelPrehravace::PripojitUdalosti(PosluchacPrehravace& posluchac) {
    pripojeni_.reset();
    pripojeni_.emplace(prvek_.Get(), posluchac);
}

void HostitelPrehravace::OdpojitUdalosti() noexcept {
    pripojeni_.reset();
}

void HostitelPrehravace::PresunoutNaPocatek() const {
    OveritVolani(::SetWindowPos(okno_.Get(), nullptr, 0, 0, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE);
}

void HostitelPrehravace::Zbourat() noexcept {
    pripojeni_.reset();
    if (prvek_) {
        // Failures here cannot be acted on: the control is going away either way.
        prvek_->SetClientSite(nullptr);
        prvek_->Close(OLECLOSE_NOSAVE);
        prvek_.Reset();
    }
    if (misto_) {
        misto_->Odpojit();
        misto_.Reset();
    }
    okno_.Reset();
}

} // namespace Vrbatec
