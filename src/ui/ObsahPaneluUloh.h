// What the program puts on its taskbar button: the seven thumbnail buttons under the window's
// preview and the tasks of its jump list, each as plain records that follow the command rules
// of their surfaces (PravidlaPrikazu). PanelUloh hands them to the shell.
//
// The buttons are added once per taskbar button and then changed in place, so their records
// keep what the last refresh made of them. The jump list is built as a whole each time: its
// closed form, left behind when the program ends, offers only what starts its work again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/StavProgramu.h"

namespace Vrbatec::Ui::ObsahPaneluUloh {

// A button's tooltip field: 260 characters with the terminating zero.
inline constexpr std::size_t kPoleTipu = 260;

struct TlacitkoNahledu {
    std::uint32_t prikaz = 0;
    int obrazek = 0; // in the small image strip
    std::wstring tip;
    bool povoleno = true;
    // Clicking it closes the preview: for the commands that open or end something.
    bool zavritNahled = false;

    friend bool operator==(const TlacitkoNahledu&, const TlacitkoNahledu&) = default;
};

// The seven buttons, in order, as the taskbar first gets them.
std::vector<TlacitkoNahledu> VychoziTlacitka();

// Applies the state to the buttons that have a rule; a button the rules name but the set lacks
// is skipped. A tooltip longer than the field is cut, never through a surrogate pair.
void Obnovit(std::span<TlacitkoNahledu> tlacitka, const StavProgramu& stav);

// One task of the jump list: the program started with a command word, or a separator.
struct UlohaSkoku {
    bool oddelovac = false;
    std::uint32_t prikaz = 0; // what the argument asks the running copy to do
    std::wstring_view nazev;
    std::wstring_view argument;
    std::wstring_view popis;
    int ikona = 0; // the program's icon resource

    friend bool operator==(const UlohaSkoku&, const UlohaSkoku&) = default;
};

// The tasks for the state, in order; `ukonceni` gives the closed form.
std::vector<UlohaSkoku> UlohySkoku(const StavProgramu& stav);

} // namespace Vrbatec::Ui::ObsahPaneluUloh
