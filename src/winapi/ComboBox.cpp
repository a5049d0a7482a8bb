#include "winapi/ComboBox.h"

namespace Vrbatec::WinApi {

namespace {

constexpr ZpravySeznamu kZpravyComboBoxu{CB_ADDSTRING,    CB_SETITEMDATA, CB_GETITEMDATA,
                                         CB_GETLBTEXTLEN, CB_GETLBTEXT,   CB_SETCURSEL,
                                         CB_GETCURSEL,    CB_GETCOUNT,    CB_RESETCONTENT};

} // namespace

ComboBox::ComboBox() noexcept : SeznamovyPrvek(kZpravyComboBoxu) {}

} // namespace Vrbatec::WinApi
