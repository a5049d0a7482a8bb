#include "app/GdiPlus.h"

#include <algorithm>
// GDI+ headers expect min and max unqualified, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

namespace Vrbatec::GdiPlus {

bool Spustit(ULONG_PTR& token) {
    Gdiplus::GdiplusStartupInput vstup;
    vstup.GdiplusVersion = 1;
    return Gdiplus::GdiplusStartup(&token, &vstup, nullptr) == Gdiplus::Ok;
}

void Ukoncit(ULONG_PTR& token) {
    if (token != 0) {
        Gdiplus::GdiplusShutdown(token);
        token = 0;
    }
}

} // namespace Vrbatec::GdiPlus
