#include "ui/RozvrzeniOkna.h"

#include <algorithm>

namespace Vrbatec::Ui::RozvrzeniOkna {

Obdelnik OblastSeznamu(int sirkaKlienta, int vyskaKlienta, int vyskaRebaru, int vyskaStavu) {
    return {0, vyskaRebaru, std::max(sirkaKlienta, 0),
            std::max(vyskaKlienta - vyskaRebaru - vyskaStavu, 0)};
}

Bod PolohaDialoguPanelu(int sirkaOblasti, int vyskaOblasti, int sirkaDialogu, int vyskaDialogu) {
    const int x = std::max((sirkaOblasti - sirkaDialogu) / 2, 0);
    int y = (vyskaOblasti - vyskaDialogu) / 2;
    if (y > 30) {
        y -= 20;
    }
    return {x, std::max(y, 0)};
}

} // namespace Vrbatec::Ui::RozvrzeniOkna
