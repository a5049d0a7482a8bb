// Any bytes may come from the web. Collected in pieces of any size they never exceed the limit,
// and the text they make is accepted exactly when its length is within the bounds and it
// starts with the word, the version being the rest unchanged.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "update/PravidlaAktualizace.h"

namespace {

using namespace Vrbatec::PravidlaAktualizace;

void Pozadovat(bool splneno, const char* co) {
    if (!splneno) {
        std::fprintf(stderr, "property broken: %s\n", co);
        std::abort();
    }
}

bool ZacinaSlovem(const std::wstring& text) {
    const std::wstring slovo = L"posledniverze";
    if (text.size() < slovo.size()) {
        return false;
    }
    for (std::size_t i = 0; i < slovo.size(); ++i) {
        const wchar_t znak = text[i];
        const wchar_t male = znak >= L'A' && znak <= L'Z' ? znak + (L'a' - L'A') : znak;
        if (male != slovo[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the size of the pieces, the rest is the answer.
    const std::size_t kus = 1 + data[0] % 251;
    const std::span<const std::uint8_t> odpoved(data + 1, size - 1);
    OmezenyObsah obsah;
    for (std::size_t od = 0; od < odpoved.size(); od += kus) {
        const std::size_t delka = std::min(kus, odpoved.size() - od);
        if (!obsah.Pridat(odpoved.subspan(od, delka))) {
            break;
        }
    }
    Pozadovat(obsah.Bajty().size() <= kLimitStazeni, "never over the limit");
    Pozadovat(obsah.PresLimit() == (odpoved.size() > kLimitStazeni), "over exactly when longer");
    if (!obsah.PresLimit()) {
        Pozadovat(
            std::equal(odpoved.begin(), odpoved.end(), obsah.Bajty().begin(), obsah.Bajty().end()),
            "what is kept is what came");
    }

    // Bytes as Latin-1 characters, as a single-byte code page would give them.
    const std::wstring text(obsah.Bajty().begin(), obsah.Bajty().end());
    const std::optional<std::wstring> verze = VerzeNaWebu(text);
    const bool platny = text.size() >= 21 && text.size() <= 50 && ZacinaSlovem(text);
    Pozadovat(verze.has_value() == platny, "accepted exactly when valid");
    if (verze) {
        Pozadovat(*verze == text.substr(13), "version is the rest unchanged");
    }
    return 0;
}
