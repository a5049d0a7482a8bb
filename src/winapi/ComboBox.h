// A combo box with the typed item operations of SeznamovyPrvek.
#pragma once

#include "winapi/SeznamovyPrvek.h"

namespace Vrbatec::WinApi {

class ComboBox : public SeznamovyPrvek {
public:
    ComboBox() noexcept;
};

} // namespace Vrbatec::WinApi
