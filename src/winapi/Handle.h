// Ownership of Win32 handles. Each handle type gets a deleter; Handle<Deleter> closes it
// when it goes out of scope. A close that fails means the process state is broken, so the
// deleters that the system lets fail end the program through the fatal path.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

template <class Traits>
class Handle {
public:
    using Typ = typename Traits::Typ;

    Handle() noexcept = default;
    explicit Handle(Typ h) noexcept : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& jiny) noexcept : h_(jiny.Odevzdat()) {}
    Handle& operator=(Handle&& jiny) noexcept {
        if (this != &jiny) {
            Reset(jiny.Odevzdat());
        }
        return *this;
    }
    ~Handle() { Reset(); }

    Typ Get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return Traits::Platny(h_); }

    // Gives up ownership without closing.
    Typ Odevzdat() noexcept { return std::exchange(h_, Traits::Prazdny()); }

    void Reset(Typ h = Traits::Prazdny()) noexcept {
        Typ stary = std::exchange(h_, h);
        if (Traits::Platny(stary)) {
            Traits::Zavrit(stary);
        }
    }

    // For out-parameters: closes the current handle and returns the slot.
    Typ* Adresa() noexcept {
        Reset();
        return &h_;
    }

private:
    Typ h_ = Traits::Prazdny();
};

namespace Detail {

template <class T>
struct NulovyHandle {
    using Typ = T;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
};

struct KernelHandle : NulovyHandle<HANDLE> {
    static bool Platny(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Zavrit(HANDLE h) noexcept {
        if (!::CloseHandle(h)) {
            FatalniPosledniChyba();
        }
    }
};

struct IconHandle : NulovyHandle<HICON> {
    static void Zavrit(HICON h) noexcept {
        if (!::DestroyIcon(h)) {
            FatalniPosledniChyba();
        }
    }
};

struct ImageListHandle : NulovyHandle<HIMAGELIST> {
    static void Zavrit(HIMAGELIST h) noexcept {
        if (!::ImageList_Destroy(h)) {
            FatalniPosledniChyba();
        }
    }
};

// Deleting a GDI object can fail only while it is selected into a DC, which is a program
// error, but it is not worth ending the process over.
template <class T>
struct GdiHandle : NulovyHandle<T> {
    static void Zavrit(T h) noexcept { ::DeleteObject(h); }
};

struct MenuHandle : NulovyHandle<HMENU> {
    static void Zavrit(HMENU h) noexcept {
        if (!::DestroyMenu(h)) {
            FatalniPosledniChyba();
        }
    }
};

struct KeyHandle : NulovyHandle<HKEY> {
    static void Zavrit(HKEY h) noexcept {
        LSTATUS s = ::RegCloseKey(h);
        if (s != ERROR_SUCCESS) {
            FatalniHResult(HRESULT_FROM_WIN32(static_cast<DWORD>(s)));
        }
    }
};

struct WindowHandle : NulovyHandle<HWND> {
    static void Zavrit(HWND h) noexcept {
        if (::IsWindow(h) && !::DestroyWindow(h)) {
            FatalniPosledniChyba();
        }
    }
};

struct ModuleHandle : NulovyHandle<HMODULE> {
    static void Zavrit(HMODULE h) noexcept { ::FreeLibrary(h); }
};

} // namespace Detail

using UniqueHandle = Handle<Detail::KernelHandle>;
using UniqueIcon = Handle<Detail::IconHandle>;
using UniqueImageList = Handle<Detail::ImageListHandle>;
using UniqueBitmap = Handle<Detail::GdiHandle<HBITMAP>>;
using UniqueFont = Handle<Detail::GdiHandle<HFONT>>;
using UniqueBrush = Handle<Detail::GdiHandle<HBRUSH>>;
using UniqueMenu = Handle<Detail::MenuHandle>;
using UniqueKey = Handle<Detail::KeyHandle>;
using UniqueWindow = Handle<Detail::WindowHandle>;
using UniqueModule = Handle<Detail::ModuleHandle>;

} // namespace Vrbatec::WinApi
