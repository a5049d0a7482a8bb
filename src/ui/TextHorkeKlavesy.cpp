#include "ui/TextHorkeKlavesy.h"

namespace Vrbatec::Ui::TextHorkeKlavesy {

namespace {

// Virtual-key codes of the keys that carry the extended bit: Page Up to Down, Insert, Delete.
constexpr std::uint32_t kPageUp = 0x21;
constexpr std::uint32_t kDolu = 0x28;
constexpr std::uint32_t kInsert = 0x2D;
constexpr std::uint32_t kDelete = 0x2E;

void Pridat(std::wstring& text, const std::wstring& cast, bool mezeraZa) {
    if (!text.empty()) {
        text += L"+ ";
    }
    text += cast;
    if (mezeraZa) {
        text += L' ';
    }
}

bool ZnakSam(std::uint32_t klavesa) {
    return (klavesa >= L'0' && klavesa <= L'9') || (klavesa >= L'A' && klavesa <= L'Z');
}

} // namespace

std::wstring Sestavit(std::uint32_t modifikatory, std::uint32_t klavesa, NazevKlavesy nazev) {
    std::wstring text;
    if ((modifikatory & kCtrl) != 0) {
        Pridat(text, L"Ctrl", true);
    }
    if ((modifikatory & kShift) != 0) {
        Pridat(text, L"Shift", true);
    }
    if ((modifikatory & kAlt) != 0) {
        Pridat(text, L"Alt", true);
    }
    const std::wstring jmeno =
        ZnakSam(klavesa) ? std::wstring(1, static_cast<wchar_t>(klavesa)) : nazev(klavesa);
    if (!jmeno.empty()) {
        Pridat(text, jmeno, false);
    }
    return text;
}

std::uint32_t ArgumentNazvu(std::uint32_t klavesa, std::uint32_t scan) {
    const bool rozsirena =
        (klavesa >= kPageUp && klavesa <= kDolu) || klavesa == kInsert || klavesa == kDelete;
    return ((scan & 0xFF) << 16) | (rozsirena ? 1u << 24 : 0u);
}

} // namespace Vrbatec::Ui::TextHorkeKlavesy
