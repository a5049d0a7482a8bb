#include "playback/SeznamSkladeb.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "playback/AdresaUrl.h"
#include "playback/ZnakyAscii.h"

namespace Vrbatec::Stream {

namespace {

std::string_view Text(std::span<const std::uint8_t> bajty) {
    return {reinterpret_cast<const char*>(bajty.data()), bajty.size()};
}

std::string_view BezBomAMezer(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    while (!text.empty() && JeMezera(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

bool JeAdresaStreamu(std::string_view url) {
    return RozdelitUrl(url).has_value();
}

std::string_view PriponaCesty(std::string_view url) {
    url = url.substr(0, url.find_first_of("?#"));
    const std::size_t lomitko = url.rfind('/');
    const std::string_view nazev = lomitko == std::string_view::npos ? url : url.substr(lomitko);
    const std::size_t tecka = nazev.rfind('.');
    return tecka == std::string_view::npos ? std::string_view{} : nazev.substr(tecka + 1);
}

std::vector<std::string> CistPls(std::string_view text) {
    std::vector<std::pair<std::uint64_t, std::string>> polozky;
    while (!text.empty()) {
        const std::string_view radek = Orezat(DalsiRadek(text));
        const std::size_t rovnitko = radek.find('=');
        const std::string_view klic = Orezat(radek.substr(0, rovnitko));
        if (rovnitko == std::string_view::npos || !ZacinaBezVelikosti(klic, "file")) {
            continue;
        }
        const std::optional<std::uint64_t> cislo = CisloAscii(klic.substr(4), 999999999);
        const std::string_view hodnota = Orezat(radek.substr(rovnitko + 1));
        if (cislo && JeAdresaStreamu(hodnota)) {
            polozky.emplace_back(*cislo, std::string(hodnota));
        }
    }
    std::stable_sort(polozky.begin(), polozky.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> adresy;
    for (auto& polozka : polozky) {
        adresy.push_back(std::move(polozka.second));
    }
    return adresy;
}

std::vector<std::string> CistM3u(std::string_view text) {
    std::vector<std::string> adresy;
    while (!text.empty()) {
        const std::string_view radek = Orezat(DalsiRadek(text));
        if (!radek.empty() && radek.front() != '#' && JeAdresaStreamu(radek)) {
            adresy.emplace_back(radek);
        }
    }
    return adresy;
}

// Case-insensitive search of an ASCII word.
std::size_t Najit(std::string_view text, std::string_view slovo, std::size_t od = 0) {
    for (std::size_t i = od; i + slovo.size() <= text.size(); ++i) {
        if (StejneBezVelikosti(text.substr(i, slovo.size()), slovo)) {
            return i;
        }
    }
    return std::string_view::npos;
}

// The start of the element `<nazev` (followed by a space, '/' or '>') from `od`.
std::size_t NajitZnacku(std::string_view text, std::string_view nazev, std::size_t od) {
    for (std::size_t i = Najit(text, nazev, od); i != std::string_view::npos;
         i = Najit(text, nazev, i + 1)) {
        const std::size_t za = i + nazev.size();
        if (za < text.size() && (JeMezera(text[za]) || text[za] == '/' || text[za] == '>')) {
            return i;
        }
    }
    return std::string_view::npos;
}

// The value of attribute `nazev` inside one tag's text (between '<' and '>').
std::optional<std::string_view> Atribut(std::string_view znacka, std::string_view nazev) {
    std::size_t i = 0;
    while (i < znacka.size()) {
        while (i < znacka.size() && !JeMezera(znacka[i])) {
            ++i;
        }
        while (i < znacka.size() && JeMezera(znacka[i])) {
            ++i;
        }
        const std::size_t zacatekNazvu = i;
        while (i < znacka.size() && znacka[i] != '=' && !JeMezera(znacka[i])) {
            ++i;
        }
        const std::string_view jmeno = znacka.substr(zacatekNazvu, i - zacatekNazvu);
        while (i < znacka.size() && JeMezera(znacka[i])) {
            ++i;
        }
        if (i >= znacka.size() || znacka[i] != '=') {
            continue;
        }
        ++i;
        while (i < znacka.size() && JeMezera(znacka[i])) {
            ++i;
        }
        if (i >= znacka.size() || (znacka[i] != '"' && znacka[i] != '\'')) {
            continue;
        }
        const char uvozovka = znacka[i];
        const std::size_t konec = znacka.find(uvozovka, i + 1);
        if (konec == std::string_view::npos) {
            return std::nullopt;
        }
        if (StejneBezVelikosti(jmeno, nazev)) {
            return znacka.substr(i + 1, konec - i - 1);
        }
        i = konec + 1;
    }
    return std::nullopt;
}

std::vector<std::string> CistAsx(std::string_view text) {
    std::vector<std::string> adresy;
    const std::size_t zaznam = NajitZnacku(text, "<entry", 0);
    if (zaznam == std::string_view::npos) {
        return adresy;
    }
    const std::size_t konecZaznamu = Najit(text, "</entry", zaznam);
    const std::string_view obsah =
        text.substr(zaznam, konecZaznamu == std::string_view::npos ? std::string_view::npos
                                                                   : konecZaznamu - zaznam);
    for (std::size_t ref = NajitZnacku(obsah, "<ref", 0); ref != std::string_view::npos;
         ref = NajitZnacku(obsah, "<ref", ref + 1)) {
        const std::size_t konec = obsah.find('>', ref);
        if (konec == std::string_view::npos) {
            break;
        }
        const std::optional<std::string_view> href =
            Atribut(obsah.substr(ref, konec - ref), "href");
        if (!href) {
            continue;
        }
        std::string adresa(Orezat(NahraditEntity(*href)));
        if (JeAdresaStreamu(adresa)) {
            adresy.push_back(std::move(adresa));
        }
    }
    return adresy;
}

void PridatUtf8(std::string& text, char32_t znak) {
    if (znak < 0x80) {
        text += static_cast<char>(znak);
    } else if (znak < 0x800) {
        text += static_cast<char>(0xC0 | (znak >> 6));
        text += static_cast<char>(0x80 | (znak & 0x3F));
    } else if (znak < 0x10000) {
        text += static_cast<char>(0xE0 | (znak >> 12));
        text += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (znak >> 18));
        text += static_cast<char>(0x80 | ((znak >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

std::optional<char32_t> CiselnyOdkaz(std::string_view odkaz) {
    std::uint64_t hodnota = 0;
    const bool hex = !odkaz.empty() && (odkaz.front() == 'x' || odkaz.front() == 'X');
    if (hex) {
        odkaz.remove_prefix(1);
    }
    if (odkaz.empty() || odkaz.size() > 8) {
        return std::nullopt;
    }
    for (const char znak : odkaz) {
        unsigned cislice = 0;
        if (znak >= '0' && znak <= '9') {
            cislice = static_cast<unsigned>(znak - '0');
        } else if (hex && MaleAscii(znak) >= 'a' && MaleAscii(znak) <= 'f') {
            cislice = static_cast<unsigned>(MaleAscii(znak) - 'a' + 10);
        } else {
            return std::nullopt;
        }
        hodnota = hodnota * (hex ? 16 : 10) + cislice;
    }
    if (hodnota == 0 || hodnota > 0x10FFFF || (hodnota >= 0xD800 && hodnota <= 0xDFFF)) {
        return std::nullopt;
    }
    return static_cast<char32_t>(hodnota);
}

} // namespace

std::string NahraditEntity(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kPojmenovane[]{
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string vysledek;
    vysledek.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t strednik = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (strednik == std::string_view::npos || strednik - i > 12) {
            vysledek += text[i];
            continue;
        }
        const std::string_view odkaz = text.substr(i + 1, strednik - i - 1);
        std::optional<char32_t> znak;
        if (!odkaz.empty() && odkaz.front() == '#') {
            znak = CiselnyOdkaz(odkaz.substr(1));
        }
        for (const auto& [nazev, hodnota] : kPojmenovane) {
            if (odkaz == nazev) {
                znak = static_cast<char32_t>(hodnota);
            }
        }
        if (!znak) {
            vysledek += text[i];
            continue;
        }
        PridatUtf8(vysledek, *znak);
        i = strednik;
    }
    return vysledek;
}

DruhSeznamu RozpoznatSeznam(std::string_view typObsahu, std::span<const std::uint8_t> zacatek,
                            std::string_view url) {
    const std::string_view text = BezBomAMezer(Text(zacatek));
    const bool xml = !text.empty() && text.front() == '<';
    if (typObsahu == "audio/x-scpls" || typObsahu == "audio/scpls") {
        return DruhSeznamu::Pls;
    }
    if (typObsahu == "audio/x-mpegurl" || typObsahu == "audio/mpegurl" ||
        typObsahu == "application/vnd.apple.mpegurl" || typObsahu == "application/x-mpegurl") {
        return DruhSeznamu::M3u;
    }
    // The same media type names ASF streams, which are no playlists.
    if ((typObsahu == "video/x-ms-asf" || typObsahu == "video/x-ms-asx" ||
         typObsahu == "audio/x-ms-asx") &&
        xml) {
        return DruhSeznamu::Asx;
    }
    if (ZacinaBezVelikosti(text, "[playlist]")) {
        return DruhSeznamu::Pls;
    }
    if (ZacinaBezVelikosti(text, "#extm3u")) {
        return DruhSeznamu::M3u;
    }
    if (ZacinaBezVelikosti(text, "<asx")) {
        return DruhSeznamu::Asx;
    }
    // The name is the last guess; markup at such an address is a web page, not a .pls or .m3u.
    const std::string_view pripona = PriponaCesty(url);
    if (StejneBezVelikosti(pripona, "pls") && !xml) {
        return DruhSeznamu::Pls;
    }
    if ((StejneBezVelikosti(pripona, "m3u") || StejneBezVelikosti(pripona, "m3u8")) && !xml) {
        return DruhSeznamu::M3u;
    }
    if (StejneBezVelikosti(pripona, "asx") && xml &&
        Najit(text, "<asx") != std::string_view::npos) {
        return DruhSeznamu::Asx;
    }
    return DruhSeznamu::Zadny;
}

std::vector<std::string> CistSeznam(DruhSeznamu druh, std::span<const std::uint8_t> obsah) {
    if (obsah.size() > kNejdelsiSeznam) {
        return {};
    }
    const std::string_view text = BezBomAMezer(Text(obsah));
    switch (druh) {
    case DruhSeznamu::Pls:
        return CistPls(text);
    case DruhSeznamu::M3u:
        return CistM3u(text);
    case DruhSeznamu::Asx:
        return CistAsx(text);
    case DruhSeznamu::Zadny:
        break;
    }
    return {};
}

} // namespace Vrbatec::Stream
