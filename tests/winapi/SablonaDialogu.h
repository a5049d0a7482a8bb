// Dialog templates built in memory, so that the tests need no resource script of their own.
#pragma once

#include <windows.h>

#include <cwchar>
#include <vector>

namespace Vrbatec::Testy {

// Predefined control classes of a dialog template.
enum class TridaPrvku : WORD {
    Tlacitko = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083
};

class SablonaDialogu {
public:
    SablonaDialogu(DWORD styl, short sirka, short vyska, const wchar_t* titulek) {
        PridatDvojslovo(styl | DS_SETFONT);
        PridatDvojslovo(0); // extended style
        data_.push_back(0); // number of controls, counted by PridatPrvek
        PridatSlova({0, 0, static_cast<WORD>(sirka), static_cast<WORD>(vyska)});
        data_.push_back(0); // no menu
        data_.push_back(0); // the dialog class
        PridatText(titulek);
        data_.push_back(8); // point size
        PridatText(L"MS Shell Dlg");
    }

    SablonaDialogu& PridatPrvek(TridaPrvku trida, WORD id, DWORD styl, short x, short y,
                                short sirka, short vyska, const wchar_t* text = L"") {
        // Every control starts on a DWORD boundary.
        if (data_.size() % 2 != 0) {
            data_.push_back(0);
        }
        PridatDvojslovo(WS_CHILD | WS_VISIBLE | styl);
        PridatDvojslovo(0);
        PridatSlova({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(sirka),
                     static_cast<WORD>(vyska), id, 0xFFFF, static_cast<WORD>(trida)});
        PridatText(text);
        data_.push_back(0); // no creation data
        ++data_[kPocetPrvku];
        return *this;
    }

    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

private:
    static constexpr size_t kPocetPrvku = 4;

    void PridatDvojslovo(DWORD hodnota) {
        data_.push_back(LOWORD(hodnota));
        data_.push_back(HIWORD(hodnota));
    }
    void PridatSlova(std::initializer_list<WORD> slova) {
        data_.insert(data_.end(), slova.begin(), slova.end());
    }
    void PridatText(const wchar_t* text) {
        data_.insert(data_.end(), text, text + std::wcslen(text) + 1);
    }

    std::vector<WORD> data_;
};

} // namespace Vrbatec::Testy
