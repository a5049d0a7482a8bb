// What the stream engine's end-to-end tests share: the play states they wait for, a listener
// that keeps every state on the thread that made it, and the media attributes they read.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "playback/Prehravac.h"

namespace Vrbatec::Testy {

constexpr std::int32_t kZastaveno = 1;
constexpr std::int32_t kPrehrava = 3;
constexpr std::int32_t kNacitani = 6;
constexpr std::int32_t kPrechod = 9;
constexpr std::int32_t kPripraven = 10;
constexpr std::int32_t kZnovu = 11;

class PosluchacMotoru final : public PosluchacPrehravace {
public:
    void PriZmeneStavu(std::int32_t stav) override {
        EXPECT_EQ(vlakno_, ::GetCurrentThreadId()) << "a state reached another thread";
        stavy.push_back(stav);
    }
    void PriZmeneTitulu() override { ++zmenTitulu; }
    bool PrevzitAdresu(const std::wstring& adresa) override {
        prevzate.push_back(adresa);
        return prevzit;
    }
    bool Prislo(std::int32_t stav) const {
        return std::find(stavy.begin(), stavy.end(), stav) != stavy.end();
    }
    std::vector<std::int32_t> stavy;
    int zmenTitulu = 0;
    bool prevzit = false; // whether an offered address is taken
    std::vector<std::wstring> prevzate;

private:
    DWORD vlakno_ = ::GetCurrentThreadId();
};

// A media attribute of the player ("Title", "Bitrate"); reading it must not fail.
inline std::wstring Informace(Prehravac& prehravac, const wchar_t* atribut) {
    std::wstring hodnota;
    EXPECT_EQ(S_OK, prehravac.InformaceMedia(atribut, hodnota));
    return hodnota;
}

} // namespace Vrbatec::Testy
