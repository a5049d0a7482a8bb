// The application object: runs the process from start to exit and owns the process-wide
// resources (icons, image strips, internet handle, data folder, start command).
//
// Life of the process: construction (COM), registration switches, start-up (forwarding,
// single instance, resources, main window), the message loop, and the shutdown that
// releases everything in a fixed order. Everything runs on the GUI thread.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "ui/SluzbyAplikace.h"
#include "update/HttpTextSoubor.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/Handle.h"

namespace Vrbatec {

namespace Ui {
class OknoHlavni;
} // namespace Ui

using Ui::StavovaIkona;

class Aplikace final : public IVrbatecModul, public Ui::SluzbyAplikace {
public:
    Aplikace();
    ~Aplikace();
    Aplikace(const Aplikace&) = delete;
    Aplikace& operator=(const Aplikace&) = delete;

    // The entry point's sequence; the result is the process exit code.
    int Spustit(HINSTANCE instance, const wchar_t* argumenty);

    // Only the part of start-up that windows draw with: common controls, the product name,
    // GDI+, the image strips and the icons. For tests that create the program's windows
    // without running the program; the module becomes the published one.
    HRESULT PripravitOkenniProstredky(HINSTANCE instance);

    // IVrbatecModul
    std::wstring NazevAplikace() override;
    HRESULT VyznamnaChyba(const std::wstring& text) override;
    HRESULT ZobrazitZpravu(const std::wstring& text, UINT typ) override;

    // Applies the "processPriority" setting; a refused priority is shown and changes nothing.
    void NastavitPrioritu() override;

    // Opens a URL or file with the shell; failures are shown.
    void OtevritUrl(const std::wstring& cil) override;

    HINSTANCE Instance() const override { return instance_; }
    const std::wstring& NazevProduktu() const { return nazevProduktu_; }
    std::uint32_t StartovniPrikaz() const override { return startovniPrikaz_; }
    std::uint32_t VerzeWindows() const override { return verzeWindows_; }
    std::uint32_t TypJednotky() const { return typJednotky_; }
    const std::wstring& DatovaSlozka() const { return datovaSlozka_; }
    bool PrvniInstance() const override { return prvniInstance_; }
    bool PrvniSpusteni() const override { return prvniSpusteni_; }
    HICON IkonaVelka() const override { return ikonaVelka_.Get(); }
    HICON IkonaMala() const override { return ikonaMala_.Get(); }
    HICON StavIkona(StavovaIkona ikona) const override;
    HINTERNET Internet() const override { return internet_.Get(); }
    Ui::ObrazkovyPruh& MalyPruh() const override { return *malyPruh_; }
    // Made when first needed: only the large toolbar shows it.
    Ui::ObrazkovyPruh& VelkyPruh() const override;
    const std::wstring& IdModeluAplikace() const { return idModeluAplikace_; }

private:
    // Start-up: 0 to run the loop, 1 when the process ends at once (forwarded command or
    // another copy running), a negative HRESULT when a step failed.
    int SpustitStart(const wchar_t* argumenty);
    bool PredatPrikaz();
    bool ZajistitJedinouInstanci();
    void NacistIdentituProgramu();
    void ZjistitTypJednotky();
    bool NacistStavoveIkony();
    HRESULT VytvoritObrazky();
    void ZajistitDatovouSlozku();
    int SmyckaZprav();
    int Ukoncit();

    bool comSelhalo_ = false;
    bool comInicializovano_ = false;
    DWORD hlavniVlakno_ = 0;

    HINSTANCE instance_ = nullptr;
    std::uint32_t startovniPrikaz_ = 0;
    WinApi::UniqueIcon ikonaVelka_;
    WinApi::UniqueIcon ikonaMala_;
    std::wstring nazevProduktu_ = L"Vrbatec software";
    std::array<WinApi::UniqueIcon, 4> stavoveIkony_;
    UniqueInternet internet_;
    bool prvniSpusteni_ = false;
    std::wstring idModeluAplikace_;
    std::uint32_t typJednotky_ = 0;
    std::mutex zamek_;
    HACCEL akceleratory_ = nullptr; // resource tables need no release
    ULONG_PTR gdiplusToken_ = 0;
    WinApi::UniqueHandle mutex_;
    bool prvniInstance_ = true;
    std::wstring datovaSlozka_;
    std::wstring nazevMutexu_;
    std::unique_ptr<Ui::ObrazkovyPruh> malyPruh_;
    mutable std::unique_ptr<Ui::ObrazkovyPruh> velkyPruh_;
    std::uint32_t verzeWindows_ = 0x502;
    std::unique_ptr<Ui::OknoHlavni> hlavniOkno_;
};

// The one application object of the process.
Aplikace& AplikaceInstance();

} // namespace Vrbatec
