#include "playback/AdresaUrl.h"

#include <vector>

#include "playback/ZnakyAscii.h"

namespace Vrbatec::Stream {

namespace {

bool JePismeno(char znak) {
    return (znak >= 'a' && znak <= 'z') || (znak >= 'A' && znak <= 'Z');
}

bool JeCislice(char znak) {
    return znak >= '0' && znak <= '9';
}

bool JeHex(char znak) {
    return JeCislice(znak) || (znak >= 'a' && znak <= 'f') || (znak >= 'A' && znak <= 'F');
}

// Bytes above 0x7F pass: servers do send unescaped UTF-8 in paths, and the request line
// carries them as they are.
bool PlatnyZnakCesty(char znak) {
    const auto bajt = static_cast<unsigned char>(znak);
    return bajt > 0x20 && bajt != 0x7F && znak != '\\';
}

bool PlatnyNazevHostitele(std::string_view nazev) {
    if (nazev.empty() || nazev.size() > 253) {
        return false;
    }
    for (const char znak : nazev) {
        if (!JePismeno(znak) && !JeCislice(znak) && znak != '-' && znak != '.' && znak != '_') {
            return false;
        }
    }
    return true;
}

bool PlatnyLiteralIpv6(std::string_view literal) {
    if (literal.size() < 2 || literal.size() > 45 || literal.find(':') == std::string_view::npos) {
        return false;
    }
    for (const char znak : literal) {
        if (!JeHex(znak) && znak != ':' && znak != '.') {
            return false;
        }
    }
    return true;
}

// The scheme of an absolute reference: letters, digits, '+', '-', '.' before the first ':',
// which must come before any '/', '?' or '#'.
std::optional<std::string_view> Schema(std::string_view odkaz) {
    const std::size_t dvojtecka = odkaz.find(':');
    if (dvojtecka == std::string_view::npos || dvojtecka == 0 || !JePismeno(odkaz[0])) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < dvojtecka; ++i) {
        const char znak = odkaz[i];
        if (!JePismeno(znak) && !JeCislice(znak) && znak != '+' && znak != '-' && znak != '.') {
            return std::nullopt;
        }
    }
    return odkaz.substr(0, dvojtecka);
}

std::uint16_t VychoziPort(std::string_view schema) {
    return schema == "https" ? 443 : 80;
}

bool RozdelitAutoritu(std::string_view autorita, Adresa& adresa) {
    std::string_view hostitel = autorita;
    std::string_view port;
    if (!autorita.empty() && autorita.front() == '[') {
        const std::size_t konec = autorita.find(']');
        if (konec == std::string_view::npos) {
            return false;
        }
        hostitel = autorita.substr(1, konec - 1);
        const std::string_view zbytek = autorita.substr(konec + 1);
        if (!zbytek.empty()) {
            if (zbytek.front() != ':') {
                return false;
            }
            port = zbytek.substr(1);
            if (port.empty()) {
                return false;
            }
        }
        if (!PlatnyLiteralIpv6(hostitel)) {
            return false;
        }
    } else {
        const std::size_t dvojtecka = autorita.find(':');
        if (dvojtecka != std::string_view::npos) {
            hostitel = autorita.substr(0, dvojtecka);
            port = autorita.substr(dvojtecka + 1);
            if (port.empty()) {
                return false;
            }
        }
        if (!PlatnyNazevHostitele(hostitel)) {
            return false;
        }
    }
    if (port.empty()) {
        adresa.port = VychoziPort(adresa.schema);
    } else {
        const std::optional<std::uint64_t> cislo = CisloAscii(port, 65535);
        if (!cislo || *cislo == 0) {
            return false;
        }
        adresa.port = static_cast<std::uint16_t>(*cislo);
    }
    adresa.hostitel = MalymiAscii(hostitel);
    return true;
}

std::string_view BezFragmentu(std::string_view text) {
    return text.substr(0, text.find('#'));
}

// "." and ".." segments resolved the way a browser does, never climbing above the root.
std::string BezTeckovychUseku(std::string_view cesta) {
    const std::size_t otaznik = cesta.find('?');
    const std::string_view dotaz =
        otaznik == std::string_view::npos ? std::string_view{} : cesta.substr(otaznik);
    std::string_view zbytek = cesta.substr(0, otaznik);
    std::vector<std::string_view> useky;
    bool lomitkoNaKonci = false;
    while (!zbytek.empty()) {
        zbytek.remove_prefix(1); // the '/' before each segment
        const std::size_t lomitko = zbytek.find('/');
        const std::string_view usek = zbytek.substr(0, lomitko);
        zbytek = lomitko == std::string_view::npos ? std::string_view{} : zbytek.substr(lomitko);
        lomitkoNaKonci = usek == "." || usek == "..";
        if (usek == "..") {
            if (!useky.empty()) {
                useky.pop_back();
            }
        } else if (usek != ".") {
            useky.push_back(usek);
        }
    }
    std::string vysledek;
    for (const std::string_view usek : useky) {
        vysledek += '/';
        vysledek += usek;
    }
    if (vysledek.empty() || lomitkoNaKonci) {
        vysledek += '/';
    }
    vysledek += dotaz;
    return vysledek;
}

bool PlatnaCesta(std::string_view cesta) {
    for (const char znak : cesta) {
        if (!PlatnyZnakCesty(znak)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Adresa> RozdelitUrl(std::string_view url) {
    if (url.size() > kNejdelsiUrl) {
        return std::nullopt;
    }
    const std::optional<std::string_view> schema = Schema(url);
    if (!schema) {
        return std::nullopt;
    }
    Adresa adresa;
    adresa.schema = MalymiAscii(*schema);
    if (adresa.schema != "http" && adresa.schema != "https") {
        return std::nullopt;
    }
    std::string_view zbytek = BezFragmentu(url.substr(schema->size() + 1));
    if (zbytek.substr(0, 2) != "//") {
        return std::nullopt;
    }
    zbytek.remove_prefix(2);
    const std::size_t konecAutority = zbytek.find_first_of("/?");
    const std::string_view autorita = zbytek.substr(0, konecAutority);
    if (autorita.find('@') != std::string_view::npos || !RozdelitAutoritu(autorita, adresa)) {
        return std::nullopt;
    }
    const std::string_view cesta =
        konecAutority == std::string_view::npos ? std::string_view{} : zbytek.substr(konecAutority);
    if (!PlatnaCesta(cesta)) {
        return std::nullopt;
    }
    adresa.cesta =
        cesta.empty() || cesta.front() != '/' ? "/" + std::string(cesta) : BezTeckovychUseku(cesta);
    return adresa;
}

std::string SlozitUrl(const Adresa& adresa) {
    std::string url = adresa.schema + "://";
    const bool ipv6 = adresa.hostitel.find(':') != std::string::npos;
    url += ipv6 ? "[" + adresa.hostitel + "]" : adresa.hostitel;
    if (adresa.port != VychoziPort(adresa.schema)) {
        url += ':' + std::to_string(adresa.port);
    }
    url += adresa.cesta;
    return url;
}

std::optional<Adresa> VyresitOdkaz(const Adresa& zaklad, std::string_view odkaz) {
    odkaz = BezFragmentu(Orezat(odkaz));
    if (odkaz.empty() || odkaz.size() > kNejdelsiUrl || !PlatnaCesta(odkaz)) {
        return std::nullopt;
    }
    if (Schema(odkaz)) {
        return RozdelitUrl(odkaz);
    }
    if (odkaz.substr(0, 2) == "//") {
        return RozdelitUrl(zaklad.schema + ":" + std::string(odkaz));
    }
    Adresa adresa = zaklad;
    if (odkaz.front() == '/') {
        adresa.cesta = BezTeckovychUseku(odkaz);
    } else if (odkaz.front() == '?') {
        adresa.cesta = zaklad.cesta.substr(0, zaklad.cesta.find('?')) + std::string(odkaz);
    } else {
        const std::string_view cesta =
            std::string_view(zaklad.cesta).substr(0, zaklad.cesta.find('?'));
        const std::string slozka(cesta.substr(0, cesta.rfind('/') + 1));
        adresa.cesta = BezTeckovychUseku(slozka + std::string(odkaz));
    }
    // Whatever is accepted here must read back the same from its text.
    if (SlozitUrl(adresa).size() > kNejdelsiUrl) {
        return std::nullopt;
    }
    return adresa;
}

VysledekPresmerovani Presmerovani::Presmerovat(std::string_view umisteni) {
    if (pocet_ >= kNejvicePresmerovani) {
        return VysledekPresmerovani::PrilisMnoho;
    }
    std::optional<Adresa> dalsi = VyresitOdkaz(adresa_, umisteni);
    if (!dalsi) {
        return VysledekPresmerovani::NeplatnyOdkaz;
    }
    adresa_ = std::move(*dalsi);
    ++pocet_;
    return VysledekPresmerovani::Presmerovano;
}

} // namespace Vrbatec::Stream
