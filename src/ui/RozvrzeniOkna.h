// Where the main window puts its children: the client area between the rebar and the status
// bar, and the information panel's dialog within that area.
#pragma once

namespace Vrbatec::Ui::RozvrzeniOkna {

struct Obdelnik {
    int x = 0;
    int y = 0;
    int sirka = 0;
    int vyska = 0;
    friend bool operator==(const Obdelnik&, const Obdelnik&) = default;
};

struct Bod {
    int x = 0;
    int y = 0;
    friend bool operator==(const Bod&, const Bod&) = default;
};

// The area below a rebar of height vyskaRebaru and above a status bar of height vyskaStavu
// in a client area of the given size. A window shrunk below its bars gives an empty area,
// never a negative height.
Obdelnik OblastSeznamu(int sirkaKlienta, int vyskaKlienta, int vyskaRebaru, int vyskaStavu);

// The top-left corner of the panel's dialog: centred across, and a little above the middle
// once there is room for it, never off the top or left edge.
Bod PolohaDialoguPanelu(int sirkaOblasti, int vyskaOblasti, int sirkaDialogu, int vyskaDialogu);

} // namespace Vrbatec::Ui::RozvrzeniOkna
