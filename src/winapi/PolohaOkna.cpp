#include "winapi/PolohaOkna.h"

#include <algorithm>

namespace Vrbatec::WinApi {

namespace {

// Closer to an edge of the work area than this, a window could no longer be grabbed.
constexpr int kOkrajUchopeni = 10;

std::uint32_t Spojit(int dolni, int horni) noexcept {
    return (static_cast<std::uint32_t>(horni) & 0xFFFFu) << 16 |
           (static_cast<std::uint32_t>(dolni) & 0xFFFFu);
}

int DolniPolovina(std::uint32_t hodnota) noexcept {
    return static_cast<int>(hodnota & 0xFFFFu);
}

int HorniPolovina(std::uint32_t hodnota) noexcept {
    return static_cast<int>(hodnota >> 16);
}

// One axis of the centring: centre on the reference, then the far limit, then the near one.
int VycentrovatNaOse(int delka, int odReference, int doReference, int odMezi, int doMezi) noexcept {
    const long long stred = odReference + (static_cast<long long>(doReference) - odReference) / 2;
    long long poloha = stred - delka / 2;
    if (poloha + delka > doMezi) {
        poloha = static_cast<long long>(doMezi) - delka;
    }
    if (poloha < odMezi) {
        poloha = odMezi;
    }
    return static_cast<int>(poloha);
}

} // namespace

bool StojiZaUlozeni(const Obdelnik& okno) noexcept {
    return okno.levy >= 0 || okno.horni >= 0;
}

UlozenaPoloha ZabalitPolohu(const Obdelnik& okno) noexcept {
    return {Spojit(okno.levy, okno.horni), Spojit(okno.Sirka(), okno.Vyska())};
}

NactenaPoloha RozbalitPolohu(UlozenaPoloha ulozena) noexcept {
    return {{DolniPolovina(ulozena.poloha), HorniPolovina(ulozena.poloha)},
            DolniPolovina(ulozena.velikost),
            HorniPolovina(ulozena.velikost)};
}

std::optional<Bod> PolohaVPracovniOblasti(const Obdelnik& okno, const Obdelnik& oblast) noexcept {
    // The rules look at the window as it is and are applied in this order, so that a later
    // one overrides an earlier one on the same axis.
    Bod cil{okno.levy, okno.horni};
    bool posunuto = false;
    if (okno.levy < oblast.levy) {
        cil.x = oblast.levy;
        posunuto = true;
    }
    if (okno.levy > oblast.pravy - kOkrajUchopeni) {
        cil.x = oblast.pravy - kOkrajUchopeni;
        posunuto = true;
    }
    if (okno.horni < oblast.horni) {
        cil.y = oblast.horni;
        posunuto = true;
    }
    if (okno.horni > oblast.dolni - kOkrajUchopeni) {
        cil.y = oblast.dolni - kOkrajUchopeni;
        posunuto = true;
    }
    if (okno.pravy > oblast.pravy) {
        cil.x = std::max(okno.levy - (okno.pravy - oblast.pravy), oblast.levy);
        posunuto = true;
    }
    if (okno.dolni > oblast.dolni) {
        cil.y = std::max(okno.horni - (okno.dolni - oblast.dolni), oblast.horni);
        posunuto = true;
    }
    if (!posunuto) {
        return std::nullopt;
    }
    return cil;
}

Bod VycentrovanaPoloha(int sirka, int vyska, const Obdelnik& reference,
                       const Obdelnik& meze) noexcept {
    return {VycentrovatNaOse(sirka, reference.levy, reference.pravy, meze.levy, meze.pravy),
            VycentrovatNaOse(vyska, reference.horni, reference.dolni, meze.horni, meze.dolni)};
}

} // namespace Vrbatec::WinApi
