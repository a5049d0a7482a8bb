// Start and end of GDI+ for the process, kept apart so that few files see its headers.
#pragma once

#include <windows.h>

namespace Vrbatec::GdiPlus {

// false when GdiplusStartup fails.
bool Spustit(ULONG_PTR& token);
// Does nothing for a token of 0; clears it.
void Ukoncit(ULONG_PTR& token);

} // namespace Vrbatec::GdiPlus
