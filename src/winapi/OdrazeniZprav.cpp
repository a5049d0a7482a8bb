#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::WinApi {

namespace {

// The numbers of windows.h; OdrazitOznameni.cpp checks them against the header.
constexpr std::uint32_t kDrawItem = 0x002B;
constexpr std::uint32_t kMeasureItem = 0x002C;
constexpr std::uint32_t kDeleteItem = 0x002D;
constexpr std::uint32_t kVKeyToItem = 0x002E;
constexpr std::uint32_t kCharToItem = 0x002F;
constexpr std::uint32_t kCompareItem = 0x0039;
constexpr std::uint32_t kNotify = 0x004E;
constexpr std::uint32_t kCommand = 0x0111;
constexpr std::uint32_t kHScroll = 0x0114;
constexpr std::uint32_t kVScroll = 0x0115;
constexpr std::uint32_t kCtlColorPrvni = 0x0132;    // WM_CTLCOLORMSGBOX
constexpr std::uint32_t kCtlColorPosledni = 0x0138; // WM_CTLCOLORSTATIC
constexpr std::uint32_t kParentNotify = 0x0210;

} // namespace

CilOdrazeni UrcitCilOdrazeni(std::uint32_t zprava) noexcept {
    if (zprava >= kCtlColorPrvni && zprava <= kCtlColorPosledni) {
        return CilOdrazeni::OvladacVLParam;
    }
    switch (zprava) {
    case kCommand:
    case kHScroll:
    case kVScroll:
    case kVKeyToItem:
    case kCharToItem:
        return CilOdrazeni::OvladacVLParam;
    case kNotify:
        return CilOdrazeni::OdesilatelOznameni;
    case kDrawItem:
    case kMeasureItem:
    case kCompareItem:
    case kDeleteItem:
        return CilOdrazeni::IdentifikatorPrvku;
    case kParentNotify:
        return CilOdrazeni::PotomekOznameni;
    default:
        return CilOdrazeni::Zadny;
    }
}

bool JeOdrazenaZprava(std::uint32_t zprava) noexcept {
    return zprava >= kZakladOdrazeni &&
           UrcitCilOdrazeni(zprava - kZakladOdrazeni) != CilOdrazeni::Zadny;
}

} // namespace Vrbatec::WinApi
