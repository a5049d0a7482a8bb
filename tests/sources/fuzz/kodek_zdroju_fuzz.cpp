// Any bytes may stand in a list file. Reading them must not fail, must give the records that
// the reading rules followed step by step give, and what is read must be written and read
// again as the same records, within what the format can express: a value holding the text
// of a tag is written verbatim and does not read back as itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "../CteniPodlePravidel.h"
#include "sources/KodekZdroju.h"
#include "sources/Utf16.h"

namespace {

using namespace Vrbatec;

void Pozadovat(bool splneno, const char* co) {
    if (!splneno) {
        std::fprintf(stderr, "property broken: %s\n", co);
        std::abort();
    }
}

bool MaZnacku(const Zdroj& zdroj) {
    return KodekZdroju::ObsahujeZnacku(Utf16::ZWString(zdroj.nazev)) ||
           KodekZdroju::ObsahujeZnacku(Utf16::ZWString(zdroj.url));
}

bool MaKonecZaznamu(const Zdroj& zdroj) {
    const std::u16string_view konec = u"</zdroj>";
    return Utf16::ZWString(zdroj.nazev).find(konec) != std::u16string::npos ||
           Utf16::ZWString(zdroj.url).find(konec) != std::u16string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<Zdroj> zdroje = KodekZdroju::DekodovatBajty({data, size});
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    Pozadovat(zdroje == CteniPodlePravidel::Precist(text), "records read as the rules say");
    const std::vector<std::uint8_t> bajty = KodekZdroju::ZakodovatNaBajty(zdroje);
    const std::vector<Zdroj> znovu = KodekZdroju::DekodovatBajty(bajty);

    bool nekteryMaZnacku = false;
    bool nekteryMaKonec = false;
    for (const Zdroj& zdroj : zdroje) {
        nekteryMaZnacku = nekteryMaZnacku || MaZnacku(zdroj);
        nekteryMaKonec = nekteryMaKonec || MaKonecZaznamu(zdroj);
    }

    if (!nekteryMaZnacku) {
        Pozadovat(znovu == zdroje, "records read back unchanged");
        Pozadovat(KodekZdroju::ZakodovatNaBajty(znovu) == bajty, "same bytes written twice");
        return 0;
    }
    // Every written record has all four fields and, without an end tag inside a value, its
    // own frame: no slot is carried over, so records without tag text still read back.
    if (!nekteryMaKonec) {
        Pozadovat(znovu.size() == zdroje.size(), "record count kept");
        for (std::size_t i = 0; i < zdroje.size(); ++i) {
            if (!MaZnacku(zdroje[i])) {
                Pozadovat(znovu[i] == zdroje[i], "record without tag text read back unchanged");
            }
        }
    }
    return 0;
}
