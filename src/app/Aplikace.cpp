#include "app/Aplikace.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/DatovaSlozka.h"
#include "winapi/Diagnostika.h"
#include "winapi/DiagnostikaText.h"
#include "app/GdiPlus.h"
#include "app/PrikazovyRadek.h"
#include "app/VerzeWindows.h"
#include "winapi/VerzniInformace.h"
#include "winapi/ZnameSlozky.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/UlozisteZdroju.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/OknoHlavni.h"
#include "winapi/OtviracOdkazu.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kTridaHlavnihoOkna[] = L"ZvukoletHlavni";
constexpr wchar_t kAgentInternetu[] = L"RZvukolet";
constexpr wchar_t kIdModeluAplikace[] = L"Vrbatec.Zvukolet.Aplikace";
constexpr wchar_t kAplikaceJizBezi[] = L"Tato aplikace je již spuštěna.";

// Small-strip images shown as the status icons, in the order of StavovaIkona.
constexpr std::array<int, 4> kObrazkyStavovychIkon{0, 10, 11, 1};

// The first argument of the process, or nothing when it has none.
bool PrvniArgument(std::wstring& argument) {
    int pocet = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &pocet);
    if (argv == nullptr) {
        return false;
    }
    const bool ma = pocet > 1;
    if (ma) {
        argument = argv[1];
    }
    ::LocalFree(argv);
    return ma;
}

std::uint32_t ZjistitKodVerze(std::uint32_t dosavadni) {
    OSVERSIONINFOEXW verze{};
    verze.dwOSVersionInfoSize = sizeof(verze);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&verze))) {
        OSVERSIONINFOW zakladni{};
        zakladni.dwOSVersionInfoSize = sizeof(zakladni);
        if (!::GetVersionExW(&zakladni)) {
            return dosavadni;
        }
        return KodVerzeWindows(zakladni.dwPlatformId == VER_PLATFORM_WIN32_NT,
                               zakladni.dwMajorVersion, zakladni.dwMinorVersion, dosavadni);
    }
    return KodVerzeWindows(verze.dwPlatformId == VER_PLATFORM_WIN32_NT, verze.dwMajorVersion,
                           verze.dwMinorVersion, dosavadni);
}

HICON NacistIkonuAplikace(HINSTANCE instance, int sirka, int vyska) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZVUKOLET), IMAGE_ICON,
                                           ::GetSystemMetrics(sirka), ::GetSystemMetrics(vyska),
                                           LR_DEFAULTCOLOR));
}

// DestroyIcon may fail; the shutdown then stops early, so the caller needs the answer.
bool UvolnitIkonu(WinApi::UniqueIcon& ikona) {
    HICON h = ikona.Odevzdat();
    return h == nullptr || ::DestroyIcon(h) != FALSE;
}

void VytvoritSlozkuPokudChybi(const std::wstring& slozka) {
    if (::PathFileExistsW(slozka.c_str())) {
        return;
    }
    if (!::CreateDirectoryW(slozka.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        FatalniPosledniChyba();
    }
}

// A shortcut is a command of the main window, and only the main window runs commands: with the
// focus in any of its controls the key is translated for the main window itself, since the
// control would get the command and drop it. The thread's other top-level windows keep their
// keys.
bool PatriHlavnimuOknu(HWND okno, HWND hlavniOkno) {
    return okno != nullptr && hlavniOkno != nullptr && ::GetAncestor(okno, GA_ROOT) == hlavniOkno;
}

std::wstring LocalAppData() {
    PWSTR cesta = nullptr;
    const HRESULT hr =
        ::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &cesta);
    if (FAILED(hr)) {
        ::CoTaskMemFree(cesta);
        FatalniHResult(hr);
    }
    std::wstring vysledek(cesta);
    ::CoTaskMemFree(cesta);
    return vysledek;
}

} // namespace

Aplikace& AplikaceInstance() {
    static Aplikace aplikace;
    return aplikace;
}

Aplikace::Aplikace() : hlavniVlakno_(::GetCurrentThreadId()) {
    const HRESULT hr = ::CoInitialize(nullptr);
    if (SUCCEEDED(hr)) {
        comInicializovano_ = true;
    } else if (hr != RPC_E_CHANGED_MODE || ::GetModuleHandleW(L"Mscoree.dll") == nullptr) {
        comSelhalo_ = true;
    }
}

Aplikace::~Aplikace() {
    if (comInicializovano_) {
        ::CoUninitialize();
    }
}

int Aplikace::Spustit(HINSTANCE instance, const wchar_t* argumenty) {
    if (comSelhalo_) {
        return -1;
    }
    instance_ = instance;
    // The program registers no COM classes, so every registration switch simply succeeds.
    if (PrikazovyRadek::NajitRegistraci(argumenty ? argumenty : L"")) {
        return 0;
    }
    const int start = SpustitStart(argumenty);
    if (start < 0) {
        return start;
    }
    if (start == 0) {
        SmyckaZprav();
    }
    return Ukoncit();
}

bool Aplikace::PredatPrikaz() {
    std::wstring argument;
    if (!PrvniArgument(argument)) {
        return false;
    }
    const auto slovo = PrikazovyRadek::NajitPrikazoveSlovo(argument);
    if (!slovo) {
        return false;
    }
    if (HWND bezici = ::FindWindowW(kTridaHlavnihoOkna, nullptr)) {
        ::PostMessageW(bezici, WM_COMMAND, slovo->prikaz, 0);
        return true;
    }
    if (slovo->ponechatBezBeziciKopie) {
        startovniPrikaz_ = slovo->prikaz;
    }
    return false;
}

void Aplikace::NacistIdentituProgramu() {
    NacistHodnotuVerze(L"ProductName", nazevProduktu_);
    verzeWindows_ = ZjistitKodVerze(verzeWindows_);
    std::wstring interniNazev;
    NacistHodnotuVerze(L"InternalName", interniNazev);
    nazevMutexu_ = interniNazev + L"Mutex";
}

bool Aplikace::ZajistitJedinouInstanci() {
    mutex_.Reset(::CreateMutexW(nullptr, TRUE, nazevMutexu_.c_str()));
    if (::GetLastError() != ERROR_ALREADY_EXISTS) {
        return true;
    }
    mutex_.Reset();
    prvniInstance_ = false;
    SystemHlaseni().ZobrazitOkno(kAplikaceJizBezi, nazevProduktu_, MB_ICONEXCLAMATION);
    return false;
}

void Aplikace::ZjistitTypJednotky() {
    std::wstring koren = WinApi::CestaProgramu();
    ::PathStripToRootW(koren.data());
    koren.resize(::wcslen(koren.c_str()));
    typJednotky_ = DatovaSlozka::NormalizovatTypJednotky(::GetDriveTypeW(koren.c_str()));
}

bool Aplikace::NacistStavoveIkony() {
    for (size_t i = 0; i < stavoveIkony_.size(); ++i) {
        stavoveIkony_[i] = malyPruh_->Ikona(kObrazkyStavovychIkon[i]);
        if (!stavoveIkony_[i]) {
            return false;
        }
    }
    return true;
}

HICON Aplikace::StavIkona(StavovaIkona ikona) const {
    return stavoveIkony_[static_cast<size_t>(ikona)].Get();
}

void Aplikace::ZajistitDatovouSlozku() {
    const std::wstring slozkaProgramu = DatovaSlozka::SlozkaSouboru(WinApi::CestaProgramu());
    const bool vymenna = typJednotky_ == DatovaSlozka::kJednotkaVymenna;
    const auto plan = DatovaSlozka::Naplanovat(slozkaProgramu, typJednotky_,
                                               vymenna ? std::wstring() : LocalAppData());
    for (const std::wstring& slozka : plan.vytvorit) {
        VytvoritSlozkuPokudChybi(slozka);
    }
    datovaSlozka_ = plan.cesta;
}

int Aplikace::SpustitStart(const wchar_t* /*argumenty*/) {
    if (PredatPrikaz()) {
        return 1;
    }
    PublikovatModul(this);

    INITCOMMONCONTROLSEX ovladaciPrvky{sizeof(ovladaciPrvky), 0x2FFF};
    if (!::InitCommonControlsEx(&ovladaciPrvky)) {
        return HResultPosledniChyby();
    }
    NacistIdentituProgramu();
    if (!ZajistitJedinouInstanci()) {
        return 1;
    }
    if (const HRESULT hr = VytvoritObrazky(); FAILED(hr)) {
        return hr;
    }
    internet_.Reset(
        ::InternetOpenW(kAgentInternetu, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!internet_) {
        return HResultPosledniChyby();
    }
    ZjistitTypJednotky();
    akceleratory_ = ::LoadAcceleratorsW(instance_, MAKEINTRESOURCEW(IDR_AKCELERATORY));
    if (akceleratory_ == nullptr) {
        return HResultPosledniChyby();
    }
    ZajistitDatovouSlozku();

    // The default recording device, the first capture device, joins the defaults when the
    // device is first needed (ZajistitVychoziZarizeni).
    UlozisteAplikace().NastavitVychozi(std::nullopt);
    if (UlozisteAplikace().Nacist() == 1) {
        prvniSpusteni_ = true;
    }

    // A list that cannot be read starts empty without a word; its file is kept safe.
    UlozisteSeznamuZdroju().Nacist(NastaveniAplikace().soubor);

    idModeluAplikace_ = kIdModeluAplikace;
    hlavniOkno_ = std::make_unique<Ui::OknoHlavni>(*this);
    // Only groups the taskbar buttons; a failure changes nothing else.
    ::SetCurrentProcessExplicitAppUserModelID(idModeluAplikace_.c_str());
    hlavniOkno_->Vytvorit();
    return 0;
}

HRESULT Aplikace::VytvoritObrazky() {
    if (!GdiPlus::Spustit(gdiplusToken_)) {
        return HResultPosledniChyby();
    }
    malyPruh_ = std::make_unique<Ui::ObrazkovyPruh>(instance_, IDB_MALE_IKONY, true);

    ikonaVelka_.Reset(NacistIkonuAplikace(instance_, SM_CXICON, SM_CYICON));
    ikonaMala_.Reset(NacistIkonuAplikace(instance_, SM_CXSMICON, SM_CYSMICON));
    if (!ikonaVelka_ || !ikonaMala_) {
        return HResultPosledniChyby();
    }
    if (!NacistStavoveIkony()) {
        return HResultPosledniChyby();
    }
    return S_OK;
}

Ui::ObrazkovyPruh& Aplikace::VelkyPruh() const {
    if (!velkyPruh_) {
        velkyPruh_ = std::make_unique<Ui::ObrazkovyPruh>(instance_, IDB_VELKE_IKONY, false);
    }
    return *velkyPruh_;
}

HRESULT Aplikace::PripravitOkenniProstredky(HINSTANCE instance) {
    instance_ = instance;
    PublikovatModul(this);
    INITCOMMONCONTROLSEX ovladaciPrvky{sizeof(ovladaciPrvky), 0x2FFF};
    if (!::InitCommonControlsEx(&ovladaciPrvky)) {
        return HResultPosledniChyby();
    }
    NacistIdentituProgramu();
    return VytvoritObrazky();
}

int Aplikace::SmyckaZprav() {
    MSG zprava{};
    while (::GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        const HWND hlavni = hlavniOkno_->Hwnd();
        if (!PatriHlavnimuOknu(zprava.hwnd, hlavni) ||
            !::TranslateAcceleratorW(hlavni, akceleratory_, &zprava)) {
            ::TranslateMessage(&zprava);
            ::DispatchMessageW(&zprava);
        }
    }
    return static_cast<int>(zprava.wParam);
}

int Aplikace::Ukoncit() {
    hlavniOkno_.reset();
    internet_.Reset();
    if (!UvolnitIkonu(ikonaVelka_) || !UvolnitIkonu(ikonaMala_)) {
        return HResultPosledniChyby();
    }
    malyPruh_.reset();
    velkyPruh_.reset();
    if (mutex_) {
        ::ReleaseMutex(mutex_.Get());
        mutex_.Reset();
    }
    GdiPlus::Ukoncit(gdiplusToken_);
    for (auto& ikona : stavoveIkony_) {
        if (!UvolnitIkonu(ikona)) {
            return HResultPosledniChyby();
        }
    }
    return 0;
}

std::wstring Aplikace::NazevAplikace() {
    return nazevProduktu_;
}

HRESULT Aplikace::VyznamnaChyba(const std::wstring& text) {
    const std::wstring zprava = DiagnostikaText::TextFatalniChyby(text, nazevProduktu_);
    ZapsatDoProtokoluUdalosti(zprava);
    SystemHlaseni().ZobrazitOkno(zprava, nazevProduktu_, DiagnostikaText::kTypChyba);
    SystemHlaseni().UkoncitProces(static_cast<UINT>(-1));
    ::ExitProcess(static_cast<UINT>(-1));
}

HRESULT Aplikace::ZobrazitZpravu(const std::wstring& text, UINT typ) {
    SystemHlaseni().ZobrazitOkno(text, nazevProduktu_, typ | DiagnostikaText::kTypZpravy);
    return S_OK;
}

void Aplikace::NastavitPrioritu() {
    HRESULT hr = S_OK;
    {
        std::lock_guard<std::mutex> zamek(zamek_);
        if (!::SetPriorityClass(::GetCurrentProcess(), NastaveniAplikace().processPriority)) {
            hr = HResultPosledniChyby();
        }
    }
    // Shown outside the lock: the box waits for the user.
    if (FAILED(hr)) {
        ZobrazitChybuZTabulkySPopisem(IDS_CHYBA_PRIORITY, hr);
    }
}

void Aplikace::OtevritUrl(const std::wstring& cil) {
    HRESULT hr = S_OK;
    {
        std::lock_guard<std::mutex> zamek(zamek_);
        if (!WinApi::OtevritOdkaz(cil, SW_MAXIMIZE)) {
            hr = HResultPosledniChyby();
        }
    }
    // Shown outside the lock: the box waits for the user.
    if (FAILED(hr)) {
        SystemHlaseni().ZobrazitOkno(PopisHResult(hr), nazevProduktu_, DiagnostikaText::kTypChyba);
    }
}

} // namespace Vrbatec
