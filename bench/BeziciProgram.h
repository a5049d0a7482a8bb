// A program a benchmark starts: its visible window, the text of its status bar read from its
// memory, and its end, which comes however the benchmark leaves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <string>

#include "Mereni.h"
#include "winapi/Handle.h"

namespace Mereni {

class BeziciProgram {
public:
    explicit BeziciProgram(const std::wstring& cesta) {
        std::wstring prikaz = L"\"" + cesta + L"\"";
        STARTUPINFOW start{};
        start.cb = sizeof(start);
        PROCESS_INFORMATION info{};
        if (CreateProcessW(cesta.c_str(), prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &start, &info)) {
            proces_.Reset(info.hProcess);
            vlakno_.Reset(info.hThread);
            id_ = info.dwProcessId;
        }
    }
    ~BeziciProgram() { Ukoncit(); }
    BeziciProgram(const BeziciProgram&) = delete;
    BeziciProgram& operator=(const BeziciProgram&) = delete;

    bool Spusten() const { return static_cast<bool>(proces_); }
    HANDLE Proces() const { return proces_.Get(); }

    // The process's visible top-level window of the class, looked for every millisecond;
    // nullptr when none came in time.
    HWND PockatNaOkno(const wchar_t* trida,
                      std::chrono::milliseconds limit = std::chrono::seconds(30)) {
        const auto zacatek = Hodiny::now();
        Hledani hledani{id_, trida, nullptr};
        while (Spusten() && Hodiny::now() - zacatek < limit) {
            EnumWindows(ProjitOkno, reinterpret_cast<LPARAM>(&hledani));
            if (hledani.nalezeno != nullptr) {
                break;
            }
            Sleep(1);
        }
        okno_ = hledani.nalezeno;
        return okno_;
    }

    // Closes the window found and waits for the end; a program that does not end within
    // ten seconds is ended.
    void Ukoncit() {
        if (!proces_) {
            return;
        }
        if (okno_ != nullptr) {
            PostMessageW(okno_, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(proces_.Get(), 10000) != WAIT_OBJECT_0) {
            TerminateProcess(proces_.Get(), 1);
        }
        okno_ = nullptr;
        vlakno_.Reset();
        proces_.Reset();
    }

private:
    struct Hledani {
        DWORD proces;
        const wchar_t* trida;
        HWND nalezeno;
    };

    static BOOL CALLBACK ProjitOkno(HWND okno, LPARAM data) {
        auto& hledani = *reinterpret_cast<Hledani*>(data);
        DWORD proces = 0;
        GetWindowThreadProcessId(okno, &proces);
        wchar_t trida[64] = {};
        GetClassNameW(okno, trida, 64);
        if (proces == hledani.proces && IsWindowVisible(okno) &&
            std::wstring(trida) == hledani.trida) {
            hledani.nalezeno = okno;
            return FALSE;
        }
        return TRUE;
    }

    Vrbatec::WinApi::UniqueHandle proces_;
    Vrbatec::WinApi::UniqueHandle vlakno_;
    DWORD id_ = 0;
    HWND okno_ = nullptr;
};

// The main window's status text. The bar writes it into memory of its own process, so the
// text is fetched through a buffer there.
class StavovyRadek {
public:
    StavovyRadek(HANDLE proces, HWND okno)
        : proces_(proces),
          radek_(okno != nullptr ? FindWindowExW(okno, nullptr, STATUSCLASSNAMEW, nullptr)
                                 : nullptr),
          vzdaleny_(VirtualAllocEx(proces, nullptr, sizeof(wchar_t) * kZnaku, MEM_COMMIT,
                                   PAGE_READWRITE)) {}
    ~StavovyRadek() {
        if (vzdaleny_ != nullptr) {
            VirtualFreeEx(proces_, vzdaleny_, 0, MEM_RELEASE);
        }
    }
    StavovyRadek(const StavovyRadek&) = delete;
    StavovyRadek& operator=(const StavovyRadek&) = delete;

    bool Pripraven() const { return radek_ != nullptr && vzdaleny_ != nullptr; }

    std::wstring Text() const {
        wchar_t text[kZnaku] = {};
        if (Pripraven() &&
            SendMessageTimeoutW(radek_, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(vzdaleny_),
                                SMTO_BLOCK, 2000, nullptr) != 0) {
            ReadProcessMemory(proces_, vzdaleny_, text, sizeof(text) - sizeof(wchar_t), nullptr);
        }
        return text;
    }

    // Whether the text came to start with zacatek within ten seconds.
    bool PockatNaText(const std::wstring& zacatek) const {
        const auto od = Hodiny::now();
        while (Text().rfind(zacatek, 0) != 0) {
            if (Ms(od) > 10000) {
                return false;
            }
            Sleep(1);
        }
        return true;
    }

private:
    static constexpr SIZE_T kZnaku = 256;

    HANDLE proces_;
    HWND radek_;
    void* vzdaleny_;
};

} // namespace Mereni
