#include "config/Guid.h"

#include <algorithm>

#include "config/BajtyLe.h"

namespace Vrbatec {

BajtyGuid NaBajty(const Guid& guid) {
    BajtyGuid bajty{};
    BajtyLe::Zapsat32(bajty.data(), guid.data1);
    BajtyLe::Zapsat16(bajty.data() + 4, guid.data2);
    BajtyLe::Zapsat16(bajty.data() + 6, guid.data3);
    std::copy(guid.data4.begin(), guid.data4.end(), bajty.begin() + 8);
    return bajty;
}

Guid GuidZBajtu(const BajtyGuid& bajty) {
    Guid guid;
    guid.data1 = BajtyLe::Cist32(bajty.data());
    guid.data2 = BajtyLe::Cist16(bajty.data() + 4);
    guid.data3 = BajtyLe::Cist16(bajty.data() + 6);
    std::copy(bajty.begin() + 8, bajty.end(), guid.data4.begin());
    return guid;
}

} // namespace Vrbatec
