// The main window as the program creates it, in the test's own process: a scripted player, a
// recording double for the capture graph and one for the notification area, the settings
// under a clean registry root, and the list file in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "playback/SkriptovanyPrehravac.h"
#include "recording/GrafZaznamuNahrada.h"
#include "sources/UlozisteZdroju.h"
#include "ui/OknoHlavni.h"
#include "winapi/OknaTestu.h"
#include "ZaznamIkony.h"

namespace Vrbatec::Testy {

inline constexpr wchar_t kKorenNastaveni[] = L"Software\\Vrbatec\\Zvukolet\\2";

class HlavniOknoTestu : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PripravitProstredkyAplikace(); }

    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKorenNastaveni);
        const std::string nazev = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
        slozka_ = std::filesystem::temp_directory_path() /
                  ("zvukolet-" + nazev + "-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(slozka_);
        NastaveniAplikace() = Nastaveni{};
        NastaveniAplikace().soubor = (slozka_ / L"Zvukolet.xml").wstring();
    }

    void TearDown() override {
        okno_.reset();
        ZpracovatCekajiciZpravy();
        MSG konec;
        PeekMessageW(&konec, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKorenNastaveni);
    }

    // Creates the window with the sources in the list.
    void Vytvorit(std::vector<Zdroj> zdroje = {}) {
        Zdroje().Nahradit(std::move(zdroje));
        okno_ = std::make_unique<Ui::OknoHlavni>(
            AplikaceInstance(),
            [this](HWND rodic, PosluchacPrehravace& posluchac) {
                if (priVytvoreniPrehravace_) {
                    priVytvoreniPrehravace_(rodic);
                }
                auto prehravac = std::make_unique<SkriptovanyPrehravac>(
                    posluchac, SkriptovanyPrehravac::Skript{});
                prehravac_ = prehravac.get();
                return prehravac;
            },
            GrafZaznamuNahrada::Tovarna(graf_), shell_);
        okno_->Vytvorit();
        ZpracovatCekajiciZpravy();
    }

    HWND Hwnd() const { return okno_->Hwnd(); }
    HWND Prvek(int id) const { return GetDlgItem(Hwnd(), id); }

    void Prikaz(UINT prikaz, LPARAM lParam = 0) {
        SendMessageW(Hwnd(), WM_COMMAND, prikaz, lParam);
        ZpracovatCekajiciZpravy();
    }

    std::filesystem::path slozka_;
    ZaznamGrafu graf_;
    ZaznamIkony shell_;
    SkriptovanyPrehravac* prehravac_ = nullptr;
    // Called with the main window whenever the player is made.
    std::function<void(HWND)> priVytvoreniPrehravace_;
    std::unique_ptr<Ui::OknoHlavni> okno_;
};

} // namespace Vrbatec::Testy
