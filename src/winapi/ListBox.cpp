#include "winapi/ListBox.h"

namespace Vrbatec::WinApi {

namespace {

constexpr ZpravySeznamu kZpravyListBoxu{LB_ADDSTRING,  LB_SETITEMDATA, LB_GETITEMDATA,
                                        LB_GETTEXTLEN, LB_GETTEXT,     LB_SETCURSEL,
                                        LB_GETCURSEL,  LB_GETCOUNT,    LB_RESETCONTENT};

} // namespace

ListBox::ListBox() noexcept : SeznamovyPrvek(kZpravyListBoxu) {}

} // namespace Vrbatec::WinApi
