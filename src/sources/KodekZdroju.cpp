#include "sources/KodekZdroju.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "sources/HodnotyPoli.h"
#include "sources/Utf16.h"

namespace Vrbatec::KodekZdroju {

namespace {

constexpr std::u16string_view kOteviraciZdroj = u"<zdroj>";
constexpr std::u16string_view kZaviraciZdroj = u"</zdroj>";
constexpr std::u16string_view kKonecRadku = u"\r\n";

// The four fields of a record, in the order they are written.
enum Pole : std::size_t { kNazev, kUrl, kHlasitost, kMenu, kPocetPoli };

struct Znacky {
    std::u16string_view oteviraci;
    std::u16string_view zaviraci;
};

constexpr std::array<Znacky, kPocetPoli> kZnackyPoli = {{
    {u"<nazev>", u"</nazev>"},
    {u"<url>", u"</url>"},
    {u"<hlasitost>", u"</hlasitost>"},
    {u"<menu>", u"</menu>"},
}};

void OtevritPole(std::u16string& text, Pole pole) {
    text += u' ';
    text += kZnackyPoli[pole].oteviraci;
}

void ZavritPole(std::u16string& text, Pole pole) {
    text += kZnackyPoli[pole].zaviraci;
    text += kKonecRadku;
}

void PridatTextovePole(std::u16string& text, Pole pole, std::wstring_view hodnota) {
    OtevritPole(text, pole);
    Utf16::PripojitZWString(text, hodnota);
    ZavritPole(text, pole);
}

void PridatPole(std::u16string& text, Pole pole, std::u16string_view hodnota) {
    OtevritPole(text, pole);
    text += hodnota;
    ZavritPole(text, pole);
}

// Room for a record's tags and line ends, so that the text grows once per record at most.
constexpr std::size_t kRezieZaznamu = 96;

bool JeNahradni(char16_t u) {
    return (u & 0xF800) == 0xD800;
}

// The next '<' at or after a position, and whether a surrogate stands between the two: the
// one search the reading spends most of its time in, which also spares values without a
// surrogate another pass when they are converted.
struct Zobacek {
    std::size_t pozice = std::u16string_view::npos;
    bool nahradniPred = false;
};

Zobacek NajitZobacek(std::u16string_view text, std::size_t od) {
    std::size_t i = od;
    unsigned nahradni = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Eight units at a time, where the processor allows.
    const __m128i zobacky = _mm_set1_epi16(u'<');
    const __m128i maskaNahradnich = _mm_set1_epi16(static_cast<short>(0xF800));
    const __m128i vzorNahradnich = _mm_set1_epi16(static_cast<short>(0xD800));
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i jednotky = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const auto zobackyBity =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(jednotky, zobacky)));
        const auto nahradniBity = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_cmpeq_epi16(_mm_and_si128(jednotky, maskaNahradnich), vzorNahradnich)));
        if (zobackyBity != 0) {
            // Of this block, only the units before the '<' count.
            const unsigned predZobackem = (zobackyBity & (0u - zobackyBity)) - 1;
            return {i + static_cast<std::size_t>(std::countr_zero(zobackyBity)) / 2,
                    (nahradni | (nahradniBity & predZobackem)) != 0};
        }
        nahradni |= nahradniBity;
    }
#endif
    for (; i < text.size(); ++i) {
        if (text[i] == u'<') {
            return {i, nahradni != 0};
        }
        nahradni |= static_cast<unsigned>(JeNahradni(text[i]));
    }
    return {std::u16string_view::npos, nahradni != 0};
}

// The position of the next '<' at or after od; every tag starts with one.
std::size_t DalsiZobacek(std::u16string_view text, std::size_t od) {
    return NajitZobacek(text, od).pozice;
}

// Tags are a few units long: a plain loop beats a call to the library's comparison.
bool ZnackaNaMiste(std::u16string_view text, std::size_t pozice, std::u16string_view znacka) {
    if (text.size() - pozice < znacka.size()) {
        return false;
    }
    for (std::size_t i = 0; i < znacka.size(); ++i) {
        if (text[pozice + i] != znacka[i]) {
            return false;
        }
    }
    return true;
}

std::size_t NajitZnacku(std::u16string_view text, std::u16string_view znacka, std::size_t od) {
    for (std::size_t p = DalsiZobacek(text, od); p != std::u16string_view::npos;
         p = DalsiZobacek(text, p + 1)) {
        if (ZnackaNaMiste(text, p, znacka)) {
            return p;
        }
    }
    return std::u16string_view::npos;
}

// Where one record's fields lie, found in one pass over the record. A field counts when its
// first opening tag inside the record is followed, still inside the record, by its closing
// tag; the value is the text between them. This gives the same values as looking each
// field up from the start of the record, without reading the record five times.
struct PoleZaznamu {
    std::array<std::size_t, kPocetPoli> zacatek{};
    std::array<std::size_t, kPocetPoli> konec{};
    std::array<bool, kPocetPoli> otevreno{};
    std::array<bool, kPocetPoli> nalezeno{};
    // Known only where the value was searched as a whole.
    std::array<bool, kPocetPoli> bezNahradnich{};
};

// The field whose tags begin with this letter after "<" or "</".
std::size_t PolePodlePismene(char16_t pismeno) {
    switch (pismeno) {
    case u'n':
        return kNazev;
    case u'u':
        return kUrl;
    case u'h':
        return kHlasitost;
    case u'm':
        return kMenu;
    default:
        return kPocetPoli;
    }
}

// Reads the record that starts after its opening tag at obsah; returns the position of its
// closing tag, or npos when the record never ends.
std::size_t PrecistObecnyZaznam(std::u16string_view text, std::size_t obsah, PoleZaznamu& pole) {
    for (std::size_t p = DalsiZobacek(text, obsah); p != std::u16string_view::npos;
         p = DalsiZobacek(text, p + 1)) {
        const bool zaviraci = p + 1 < text.size() && text[p + 1] == u'/';
        const std::size_t jmeno = p + (zaviraci ? 2 : 1);
        if (jmeno >= text.size()) {
            break;
        }
        if (zaviraci && text[jmeno] == u'z' && ZnackaNaMiste(text, p, kZaviraciZdroj)) {
            return p;
        }
        const std::size_t i = PolePodlePismene(text[jmeno]);
        if (i == kPocetPoli) {
            continue;
        }
        if (!zaviraci && !pole.otevreno[i] && ZnackaNaMiste(text, p, kZnackyPoli[i].oteviraci)) {
            pole.otevreno[i] = true;
            pole.zacatek[i] = p + kZnackyPoli[i].oteviraci.size();
        } else if (zaviraci && pole.otevreno[i] && !pole.nalezeno[i] &&
                   ZnackaNaMiste(text, p, kZnackyPoli[i].zaviraci)) {
            pole.nalezeno[i] = true;
            pole.konec[i] = p;
        }
    }
    return std::u16string_view::npos;
}

// A record as save writes it, cut at its four values: the fixed text before, between and
// after them.
constexpr std::array<std::u16string_view, kPocetPoli + 1> kRamecZaznamu = {{
    u"<zdroj>\r\n <nazev>",
    u"</nazev>\r\n <url>",
    u"</url>\r\n <hlasitost>",
    u"</hlasitost>\r\n <menu>",
    u"</menu>\r\n</zdroj>",
}};

// The piece's length is known when compiling, so that the comparison becomes a few word
// compares rather than a call.
template <std::size_t Cast>
bool CastRamceNaMiste(std::u16string_view text, std::size_t pozice) {
    constexpr std::u16string_view vzor = kRamecZaznamu[Cast];
    return text.size() - pozice >= vzor.size() &&
           std::memcmp(text.data() + pozice, vzor.data(), sizeof(char16_t) * vzor.size()) == 0;
}

// Takes the value that starts at p as far as the next '<', if the frame goes on from there;
// p then moves past that piece of the frame.
template <Pole Ktere>
bool PrecistHodnotuVRamci(std::u16string_view text, std::size_t& p, PoleZaznamu& pole) {
    const Zobacek konecHodnoty = NajitZobacek(text, p);
    if (konecHodnoty.pozice == std::u16string_view::npos ||
        !CastRamceNaMiste<Ktere + 1>(text, konecHodnoty.pozice)) {
        return false;
    }
    pole.otevreno[Ktere] = pole.nalezeno[Ktere] = true;
    pole.bezNahradnich[Ktere] = !konecHodnoty.nahradniPred;
    pole.zacatek[Ktere] = p;
    pole.konec[Ktere] = konecHodnoty.pozice;
    p = konecHodnoty.pozice + kRamecZaznamu[Ktere + 1].size();
    return true;
}

// Nearly every record in a file is laid out as save wrote it, and no value holds a '<'. Such
// a record is read by matching its frame, which leaves only the values to be searched. Any
// difference returns npos, and the record is read by the general rules instead; where the
// frame matches, the general rules give the same fields, as its tags are the only ones.
std::size_t PrecistZapsanyZaznam(std::u16string_view text, std::size_t zacatek, PoleZaznamu& pole) {
    std::size_t p = zacatek + kRamecZaznamu[0].size();
    if (!CastRamceNaMiste<0>(text, zacatek) || !PrecistHodnotuVRamci<kNazev>(text, p, pole) ||
        !PrecistHodnotuVRamci<kUrl>(text, p, pole) ||
        !PrecistHodnotuVRamci<kHlasitost>(text, p, pole) ||
        !PrecistHodnotuVRamci<kMenu>(text, p, pole)) {
        return std::u16string_view::npos;
    }
    return p - kZaviraciZdroj.size();
}

// No record written by save is shorter than its frame, a line end and two one-digit numbers.
// A file of such records therefore never outgrows a vector reserved from its size, and the
// records are not moved while they are read.
std::size_t NejvyssiPocetZapsanychZaznamu(std::size_t delkaTextu) {
    std::size_t nejkratsi = kKonecRadku.size() + 2;
    for (const std::u16string_view cast : kRamecZaznamu) {
        nejkratsi += cast.size();
    }
    return delkaTextu / nejkratsi;
}

// Save puts the next record right after a line end.
std::size_t NajitZacatekZaznamu(std::u16string_view text, std::size_t od) {
    constexpr std::u16string_view kKonecRadkuAZacatek = u"\r\n<zdroj>";
    if (text.size() - od >= kKonecRadkuAZacatek.size() &&
        std::memcmp(text.data() + od, kKonecRadkuAZacatek.data(),
                    sizeof(char16_t) * kKonecRadkuAZacatek.size()) == 0) {
        return od + kKonecRadku.size();
    }
    return NajitZnacku(text, kOteviraciZdroj, od);
}

// Reads the record whose opening tag starts at zacatek; returns the position of its closing
// tag, or npos when the record never ends.
std::size_t PrecistZaznam(std::u16string_view text, std::size_t zacatek, PoleZaznamu& pole) {
    const std::size_t konec = PrecistZapsanyZaznam(text, zacatek, pole);
    if (konec != std::u16string_view::npos) {
        return konec;
    }
    pole = PoleZaznamu{};
    return PrecistObecnyZaznam(text, zacatek + kOteviraciZdroj.size(), pole);
}

// A field missing from a record leaves its slot as the previous record left it; files
// edited by hand have always read that way. Volume and menu flag share one slot.
struct Prihradka {
    std::u16string_view text;
    bool bezNahradnich = false;
};

struct Prihradky {
    Prihradka nazev;
    Prihradka url;
    Prihradka cislo;
};

void PrevzitPole(std::u16string_view text, const PoleZaznamu& pole, Pole ktere,
                 Prihradka& prihradka) {
    if (pole.nalezeno[ktere]) {
        prihradka.text = text.substr(pole.zacatek[ktere], pole.konec[ktere] - pole.zacatek[ktere]);
        prihradka.bezNahradnich = pole.bezNahradnich[ktere];
    }
}

std::wstring SirokyText(const Prihradka& prihradka) {
    return prihradka.bezNahradnich ? Utf16::NaWStringBezNahradnich(prihradka.text)
                                   : Utf16::NaWString(prihradka.text);
}

// Fills the record in place: the vector's storage is its final home.
void VyplnitZPrihradek(std::u16string_view text, const PoleZaznamu& pole, Prihradky& prihradky,
                       Zdroj& zdroj) {
    PrevzitPole(text, pole, kNazev, prihradky.nazev);
    PrevzitPole(text, pole, kUrl, prihradky.url);
    zdroj.nazev = SirokyText(prihradky.nazev);
    zdroj.url = SirokyText(prihradky.url);
    PrevzitPole(text, pole, kHlasitost, prihradky.cislo);
    zdroj.hlasitost = HodnotyPoli::CisloZTextu(prihradky.cislo.text);
    PrevzitPole(text, pole, kMenu, prihradky.cislo);
    zdroj.menu = HodnotyPoli::PriznakZTextu(prihradky.cislo.text);
}

} // namespace

std::u16string Zakodovat(std::span<const Zdroj> zdroje) {
    std::size_t odhad = 0;
    for (const Zdroj& zdroj : zdroje) {
        odhad += kRezieZaznamu + zdroj.nazev.size() + zdroj.url.size();
    }
    std::u16string text;
    text.reserve(odhad);
    for (const Zdroj& zdroj : zdroje) {
        text += kOteviraciZdroj;
        text += kKonecRadku;
        PridatTextovePole(text, kNazev, zdroj.nazev);
        PridatTextovePole(text, kUrl, zdroj.url);
        PridatPole(text, kHlasitost, HodnotyPoli::TextCisla(zdroj.hlasitost));
        PridatPole(text, kMenu, HodnotyPoli::TextPriznaku(zdroj.menu));
        text += kZaviraciZdroj;
        text += kKonecRadku;
    }
    return text;
}

std::vector<std::uint8_t> ZakodovatNaBajty(std::span<const Zdroj> zdroje) {
    const std::u16string text = Zakodovat(zdroje);
    std::vector<std::uint8_t> bajty(text.size() * 2);
    if (bajty.empty()) {
        return bajty;
    }
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bajty.data(), text.data(), bajty.size());
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            bajty[2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
            bajty[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
        }
    }
    return bajty;
}

std::vector<Zdroj> Dekodovat(std::u16string_view text) {
    std::vector<Zdroj> zdroje;
    zdroje.reserve(NejvyssiPocetZapsanychZaznamu(text.size()));
    Prihradky prihradky;
    std::size_t p = 0;
    while (true) {
        const std::size_t zacatek = NajitZacatekZaznamu(text, p);
        if (zacatek == std::u16string_view::npos) {
            break;
        }
        PoleZaznamu pole;
        const std::size_t konec = PrecistZaznam(text, zacatek, pole);
        if (konec == std::u16string_view::npos) {
            break;
        }
        VyplnitZPrihradek(text, pole, prihradky, zdroje.emplace_back());
        p = konec + kZaviraciZdroj.size();
    }
    // Text that is mostly not records, or records with long values, leaves most of the room
    // unused; a list keeps its vector for the life of the program.
    if (zdroje.size() < zdroje.capacity() / 4) {
        zdroje.shrink_to_fit();
    }
    return zdroje;
}

std::vector<Zdroj> DekodovatBajty(std::span<const std::uint8_t> bajty) {
    std::u16string text(bajty.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(bajty[2 * i] | (bajty[2 * i + 1] << 8));
    }
    return Dekodovat(text);
}

bool ObsahujeZnacku(std::u16string_view text) {
    if (NajitZnacku(text, kOteviraciZdroj, 0) != std::u16string_view::npos ||
        NajitZnacku(text, kZaviraciZdroj, 0) != std::u16string_view::npos) {
        return true;
    }
    for (const Znacky& znacky : kZnackyPoli) {
        if (NajitZnacku(text, znacky.oteviraci, 0) != std::u16string_view::npos ||
            NajitZnacku(text, znacky.zaviraci, 0) != std::u16string_view::npos) {
            return true;
        }
    }
    return false;
}

} // namespace Vrbatec::KodekZdroju
