// One icon of the program in the notification area: added for a window, which then receives
// the icon's mouse and tooltip events as WM_IKONA_OZNAMENI, with its tooltip and balloons.
//
// The main window's icon has the identifier 1; the update check shows its balloon on an icon
// of its own, 255, on the same window. The icon speaks the shell's fourth version: the event is
// in the low word of lParam, the identifier in its high word, the anchor point in wParam.
// With the rich tooltip the shell's standard tooltip is left out (the owner draws its own) and
// the tooltip text is not kept.
//
// Every call to the shell goes through PlatformaIkony, so that tests see exactly what the shell
// would have been told. Texts longer than the shell's fields are cut to them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

namespace Vrbatec::Ui {

inline constexpr UINT WM_IKONA_OZNAMENI = WM_APP + 2001;
inline constexpr UINT kIkonaHlavnihoOkna = 1;
inline constexpr UINT kIkonaKontrolyAktualizaci = 255;

// What the icon and its owner ask of the system.
class PlatformaIkony {
public:
    virtual BOOL OznamitShellu(DWORD zprava, NOTIFYICONDATAW& data) = 0;
    // Whether the key is down at this moment (not when the message was queued).
    virtual bool KlavesaDrzena(int klavesa) = 0;

protected:
    ~PlatformaIkony() = default;
};

// Shell_NotifyIconW and GetAsyncKeyState.
PlatformaIkony& PlatformaIkonySystemu();

class IkonaOznameni {
public:
    explicit IkonaOznameni(PlatformaIkony& platforma = PlatformaIkonySystemu()) noexcept
        : platforma_(platforma) {}
    ~IkonaOznameni();
    IkonaOznameni(const IkonaOznameni&) = delete;
    IkonaOznameni& operator=(const IkonaOznameni&) = delete;

    // Adds the icon with the owner's small icon (its class icon, its large icon as fallbacks).
    // An icon added before is removed first. The shell's failure code leaves it not added;
    // E_INVALIDARG for an owner that is no window or has no icon.
    HRESULT Pridat(HWND vlastnik, UINT identifikator, bool bohatyTip);
    // Adds the icon again as it was (its tooltip too) after the shell lost it; S_FALSE when it
    // was not added.
    HRESULT PridatZnovu();
    // Keeps and shows the text; with the rich tooltip nothing changes. The icon must be added.
    HRESULT NastavitTip(std::wstring_view text);
    // Removes a balloon that shows, then shows the text; E_INVALIDARG when not added.
    HRESULT ZobrazitBublinu(std::wstring_view text, DWORD ikonaBubliny = NIIF_INFO);
    HRESULT SkrytBublinu();
    // Removes the icon from the notification area; nothing when it is not added. The icon is
    // forgotten also when the shell refuses, which it does once it has lost the icon.
    void Smazat();

    bool Pridana() const noexcept { return identifikator_ != 0; }
    UINT Identifikator() const noexcept { return identifikator_; }
    const std::wstring& Tip() const noexcept { return tip_; }

private:
    NOTIFYICONDATAW Data(UINT priznaky) const;
    HRESULT PridatDoShellu(HWND vlastnik, UINT identifikator, HICON ikona);

    PlatformaIkony& platforma_;
    HICON ikona_ = nullptr; // the owner's; not ours
    UINT identifikator_ = 0;
    HWND vlastnik_ = nullptr;
    std::wstring tip_;
    std::wstring titulekBubliny_; // no balloon of the program has a title
    bool bohatyTip_ = false;
};

} // namespace Vrbatec::Ui
