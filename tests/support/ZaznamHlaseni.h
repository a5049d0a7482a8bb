// A reporting system for tests: records message boxes and event-log entries instead of
// showing them, answers boxes with a chosen button, and turns the end of the process into
// an exception the test can catch (only for calls made directly, never through a window
// procedure).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "winapi/Diagnostika.h"

namespace Vrbatec::Testy {

struct UkonceniProcesu {
    UINT kod;
    std::wstring text; // of an emergency end
};

class ZaznamHlaseni final : public SystemProHlaseni {
public:
    struct Okno {
        std::wstring text;
        std::wstring titulek;
        UINT typ;
    };
    struct Udalost {
        std::wstring zdroj;
        std::wstring text;
    };

    ZaznamHlaseni() : predchozi_(NastavitSystemHlaseni(this)) {}
    ~ZaznamHlaseni() { NastavitSystemHlaseni(predchozi_); }
    ZaznamHlaseni(const ZaznamHlaseni&) = delete;
    ZaznamHlaseni& operator=(const ZaznamHlaseni&) = delete;

    int ZobrazitOkno(const std::wstring& text, const std::wstring& titulek, UINT typ) override {
        okna.push_back({text, titulek, typ});
        return odpoved;
    }
    HRESULT ZapsatUdalost(const std::wstring& zdroj, const std::wstring& text) override {
        udalosti.push_back({zdroj, text});
        return S_OK;
    }
    [[noreturn]] void UkoncitProces(UINT kod) override { throw UkonceniProcesu{kod, {}}; }
    [[noreturn]] void UkoncitNouzove(const std::wstring& text) override {
        throw UkonceniProcesu{static_cast<UINT>(-1), text};
    }

    int odpoved = IDOK;
    std::vector<Okno> okna;
    std::vector<Udalost> udalosti;

private:
    SystemProHlaseni* predchozi_;
};

} // namespace Vrbatec::Testy
