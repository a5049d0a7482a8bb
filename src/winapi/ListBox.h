// A list box with the typed item operations of SeznamovyPrvek.
#pragma once

#include "winapi/SeznamovyPrvek.h"

namespace Vrbatec::WinApi {

class ListBox : public SeznamovyPrvek {
public:
    ListBox() noexcept;
};

} // namespace Vrbatec::WinApi
