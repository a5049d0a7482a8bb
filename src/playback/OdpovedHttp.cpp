#include "playback/OdpovedHttp.h"

#include <algorithm>

#include "playback/ZnakyAscii.h"

namespace Vrbatec::Stream {

namespace {

// A body that is no answer at all (a raw stream, a web server speaking something else) is
// refused as soon as its first bytes show it, not after the whole limit.
bool MuzeBytZacatkem(std::string_view hlava) {
    for (const std::string_view zacatek : {std::string_view("HTTP/"), std::string_view("ICY ")}) {
        const std::size_t n = std::min(hlava.size(), zacatek.size());
        if (hlava.substr(0, n) == zacatek.substr(0, n)) {
            return true;
        }
    }
    return false;
}

std::optional<std::pair<int, bool>> StavovyRadek(std::string_view radek) {
    bool icy = false;
    if (radek.substr(0, 4) == "ICY ") {
        icy = true;
        radek.remove_prefix(4);
    } else {
        // "HTTP/" digit "." digit " "
        if (radek.size() < 9 || radek.substr(0, 5) != "HTTP/" || radek[5] < '0' || radek[5] > '9' ||
            radek[6] != '.' || radek[7] < '0' || radek[7] > '9' || radek[8] != ' ') {
            return std::nullopt;
        }
        radek.remove_prefix(9);
    }
    const std::optional<std::uint64_t> kod = CisloAscii(radek.substr(0, 3), 999);
    if (radek.size() < 3 || !kod || *kod < 100 || *kod > 599 ||
        (radek.size() > 3 && radek[3] != ' ')) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(*kod), icy};
}

bool JeZnakNazvu(char znak) {
    const auto bajt = static_cast<unsigned char>(znak);
    return bajt > 0x20 && bajt < 0x7F && znak != ':';
}

bool JeZnakHodnoty(char znak) {
    const auto bajt = static_cast<unsigned char>(znak);
    return znak == '\t' || (bajt >= 0x20 && bajt != 0x7F);
}

// "128" or the "128,128" some servers send: the first number.
std::optional<std::uint32_t> DatovyTok(std::string_view hodnota) {
    const std::optional<std::uint64_t> cislo =
        CisloAscii(Orezat(hodnota.substr(0, hodnota.find(','))), 100000);
    if (!cislo) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*cislo);
}

std::string TypObsahu(std::string_view hodnota) {
    return MalymiAscii(Orezat(hodnota.substr(0, hodnota.find(';'))));
}

} // namespace

StavOdpovedi OdpovedHttp::Selhat(ChybaOdpovedi chyba) {
    chyba_ = chyba;
    stav_ = StavOdpovedi::Chyba;
    hlava_.clear();
    hlava_.shrink_to_fit();
    return stav_;
}

StavOdpovedi OdpovedHttp::Pridat(std::span<const std::uint8_t> bajty) {
    if (stav_ != StavOdpovedi::ChybiBajty) {
        return stav_;
    }
    const std::size_t predtim = hlava_.size();
    const std::size_t vzit = std::min(bajty.size(), kNejdelsiHlavicka - predtim);
    hlava_.append(reinterpret_cast<const char*>(bajty.data()), vzit);
    if (!MuzeBytZacatkem(hlava_)) {
        return Selhat(ChybaOdpovedi::StavovyRadek);
    }
    // The head ends at LF followed by LF or by CR LF. Each byte is looked at once, except an
    // LF whose following bytes have not all come yet: the search goes on from it next time.
    std::size_t i = prohledano_;
    for (; i < hlava_.size(); ++i) {
        if (hlava_[i] != '\n') {
            continue;
        }
        const std::string_view dal = std::string_view(hlava_).substr(i + 1);
        if (dal.empty() || dal == "\r") {
            break;
        }
        if (dal.front() == '\n' || dal.substr(0, 2) == "\r\n") {
            const std::size_t konec = i + 1 + (dal.front() == '\n' ? 1 : 2);
            pouzito_ = konec - predtim;
            hlava_.resize(konec);
            return Rozebrat(hlava_);
        }
    }
    prohledano_ = i;
    if (hlava_.size() >= kNejdelsiHlavicka) {
        return Selhat(ChybaOdpovedi::PrilisDlouha);
    }
    return stav_;
}

StavOdpovedi OdpovedHttp::Rozebrat(std::string_view hlava) {
    const std::optional<std::pair<int, bool>> stav = StavovyRadek(DalsiRadek(hlava));
    if (!stav) {
        return Selhat(ChybaOdpovedi::StavovyRadek);
    }
    udaje_.kod = stav->first;
    udaje_.icy = stav->second;
    for (std::string_view radek = DalsiRadek(hlava); !radek.empty(); radek = DalsiRadek(hlava)) {
        const std::size_t dvojtecka = radek.find(':');
        const std::string_view nazev = radek.substr(0, dvojtecka);
        if (dvojtecka == std::string_view::npos || nazev.empty() ||
            !std::all_of(nazev.begin(), nazev.end(), JeZnakNazvu)) {
            return Selhat(ChybaOdpovedi::RadekHlavicky);
        }
        const std::string_view hodnota = Orezat(radek.substr(dvojtecka + 1));
        if (!std::all_of(hodnota.begin(), hodnota.end(), JeZnakHodnoty)) {
            return Selhat(ChybaOdpovedi::RadekHlavicky);
        }
        hlavicky_.emplace_back(MalymiAscii(nazev), std::string(hodnota));
    }
    udaje_.typObsahu = TypObsahu(Hlavicka("content-type").value_or(""));
    udaje_.umisteni = Hlavicka("location").value_or("");
    udaje_.nazevStanice = Hlavicka("icy-name").value_or("");
    if (const std::optional<std::string_view> br = Hlavicka("icy-br")) {
        udaje_.datovyTok = DatovyTok(*br);
    }
    if (const std::optional<std::string_view> metaint = Hlavicka("icy-metaint")) {
        const std::optional<std::uint64_t> cislo = CisloAscii(*metaint, kNejvetsiMetaint);
        if (!cislo) {
            return Selhat(ChybaOdpovedi::Metaint);
        }
        udaje_.metaint = static_cast<std::uint32_t>(*cislo);
    }
    if (const std::optional<std::string_view> delka = Hlavicka("content-length")) {
        if (const std::optional<std::uint64_t> cislo = CisloAscii(*delka, std::uint64_t{1} << 62)) {
            udaje_.delkaObsahu = *cislo;
        }
    }
    stav_ = StavOdpovedi::Hotovo;
    hlava_.clear();
    hlava_.shrink_to_fit();
    return stav_;
}

std::optional<std::string_view> OdpovedHttp::Hlavicka(std::string_view nazev) const {
    for (const auto& [jmeno, hodnota] : hlavicky_) {
        if (StejneBezVelikosti(jmeno, nazev)) {
            return std::string_view(hodnota);
        }
    }
    return std::nullopt;
}

} // namespace Vrbatec::Stream
