// The arithmetic of a window's placement: how its rectangle is packed into the two registry
// values and read back, when it is not worth saving, how a restored window is pulled back onto
// a work area, and where a centred window goes. Plain numbers only, so that the rules run and
// are tested anywhere; UmisteniOkna.h and Okno.h feed them from the system.
#pragma once

#include <cstdint>
#include <optional>

namespace Vrbatec::WinApi {

// A rectangle as the system gives it: right and bottom lie just outside it.
struct Obdelnik {
    int levy = 0;
    int horni = 0;
    int pravy = 0;
    int dolni = 0;

    int Sirka() const noexcept { return pravy - levy; }
    int Vyska() const noexcept { return dolni - horni; }
};

struct Bod {
    int x = 0;
    int y = 0;

    friend bool operator==(const Bod&, const Bod&) = default;
};

// The registry values "Poloha" (left edge low, top edge high) and "Velikost" (width low,
// height high), 16 bits each.
struct UlozenaPoloha {
    std::uint32_t poloha = 0;
    std::uint32_t velikost = 0;
};

// A placement as read back: every number is unsigned 16 bits, so a window saved left of or
// above the primary monitor comes back far to the right or below, and PolohaVPracovniOblasti
// has to bring it back.
struct NactenaPoloha {
    Bod poloha;
    int sirka = 0;
    int vyska = 0;
};

// A minimised window lies at (-32000, -32000) and a maximised one starts a frame's width left of
// and above its monitor: neither is a place the user chose, so the last normal placement stays.
bool StojiZaUlozeni(const Obdelnik& okno) noexcept;

UlozenaPoloha ZabalitPolohu(const Obdelnik& okno) noexcept;
NactenaPoloha RozbalitPolohu(UlozenaPoloha ulozena) noexcept;

// Where the window's top-left corner has to go so that its corner lies on the work area and,
// as far as its size allows, its right and bottom edges too; nothing when it may stay. A window
// larger than the work area keeps its left or top edge on the work area.
std::optional<Bod> PolohaVPracovniOblasti(const Obdelnik& okno, const Obdelnik& oblast) noexcept;

// The top-left corner that puts a window of the size in the middle of the reference without
// passing the limits; a window larger than the limits keeps its left or top edge on them.
Bod VycentrovanaPoloha(int sirka, int vyska, const Obdelnik& reference,
                       const Obdelnik& meze) noexcept;

} // namespace Vrbatec::WinApi
