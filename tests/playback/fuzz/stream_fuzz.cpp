// Any bytes from a server, fed to each parser of the stream engine. The first byte chooses the
// parser, the second the size of the pieces where a parser reads in pieces. Beyond not
// crashing: reading in pieces gives what reading whole gives, nothing is lost or invented
// between sound and metadata, accepted addresses read back the same from their text, a
// synchronised stream really has three chained headers where it says, and the frames cut for
// the decoders (MP3 and ADTS) are the same in pieces and account for every byte.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "playback/AdresaUrl.h"
#include "playback/DemultiplexorIcy.h"
#include "playback/DruhObsahu.h"
#include "playback/OdpovedHttp.h"
#include "playback/RamceAdts.h"
#include "playback/RamceMp3.h"
#include "playback/RozdelovacRamcu.h"
#include "playback/SeznamSkladeb.h"
#include "playback/TitulStreamu.h"

namespace {

using namespace Vrbatec::Stream;
using Bajty = std::span<const std::uint8_t>;

void Pozadovat(bool splneno, const char* co) {
    if (!splneno) {
        std::fprintf(stderr, "property broken: %s\n", co);
        std::abort();
    }
}

std::string_view Text(Bajty bajty) {
    return {reinterpret_cast<const char*>(bajty.data()), bajty.size()};
}

template <class Funkce>
void PoKusech(Bajty data, std::size_t kus, Funkce funkce) {
    for (std::size_t od = 0; od < data.size(); od += kus) {
        funkce(data.subspan(od, std::min(kus, data.size() - od)));
    }
}

void Hlava(Bajty data, std::size_t kus) {
    OdpovedHttp cela;
    cela.Pridat(data);
    OdpovedHttp poKusech;
    std::size_t prijato = 0;
    std::size_t delkaHlavy = 0;
    PoKusech(data, kus, [&](Bajty cast) {
        if (poKusech.Stav() == StavOdpovedi::ChybiBajty &&
            poKusech.Pridat(cast) == StavOdpovedi::Hotovo) {
            delkaHlavy = prijato + poKusech.PouzitoZPosledni();
        }
        prijato += cast.size();
    });
    Pozadovat(cela.Stav() == poKusech.Stav(), "same state in pieces");
    Pozadovat(cela.Chyba() == poKusech.Chyba(), "same error in pieces");
    if (cela.Stav() != StavOdpovedi::Hotovo) {
        return;
    }
    Pozadovat(delkaHlavy == cela.PouzitoZPosledni(), "same head length in pieces");
    Pozadovat(delkaHlavy <= kNejdelsiHlavicka, "head within its limit");
    const std::string_view hlava = Text(data.first(delkaHlavy));
    Pozadovat(hlava.ends_with("\n\n") || hlava.ends_with("\n\r\n"), "head ends at an empty line");
    const UdajeOdpovedi& a = cela.Udaje();
    const UdajeOdpovedi& b = poKusech.Udaje();
    Pozadovat(a.kod == b.kod && a.icy == b.icy && a.typObsahu == b.typObsahu &&
                  a.umisteni == b.umisteni && a.nazevStanice == b.nazevStanice &&
                  a.datovyTok == b.datovyTok && a.metaint == b.metaint &&
                  a.delkaObsahu == b.delkaObsahu,
              "same fields in pieces");
    Pozadovat(a.kod >= 100 && a.kod <= 599 && a.metaint <= kNejvetsiMetaint, "fields in range");
}

void Metadata(Bajty data, std::size_t kus) {
    if (data.size() < 2) {
        return;
    }
    // Small intervals, so that blocks come often.
    const std::uint32_t metaint = data[0] % 2 ? 0u : 1u + data[1] % 64u;
    data = data.subspan(2);
    CastStreamu cela;
    DemultiplexorIcy(metaint).Pridat(data, cela);
    CastStreamu poKusech;
    DemultiplexorIcy demux(metaint);
    PoKusech(data, kus, [&](Bajty cast) { demux.Pridat(cast, poKusech); });
    Pozadovat(cela.zvuk == poKusech.zvuk && cela.bloky == poKusech.bloky, "same in pieces");
    std::size_t metadat = 0;
    for (const auto& blok : cela.bloky) {
        Pozadovat(!blok.empty() && blok.size() % 16 == 0 && blok.size() <= kNejdelsiBlokMetadat,
                  "whole blocks of sixteens");
        metadat += blok.size();
        const std::optional<std::string_view> surovy = SurovyTitul(blok);
        const std::optional<std::wstring> titul = TitulStreamu(blok);
        Pozadovat(surovy.has_value() == titul.has_value(), "a title when its bytes are found");
        if (titul) {
            Pozadovat(titul->size() <= surovy->size(), "no more characters than bytes");
        }
    }
    // Every byte is sound, metadata, or a length byte, of which there is one per interval.
    const std::size_t delek = metaint == 0 ? 0 : (cela.zvuk.size() / metaint);
    Pozadovat(cela.zvuk.size() + metadat <= data.size(), "nothing invented");
    // The rest are length bytes, one per interval but perhaps the last, and an unfinished block.
    const std::size_t zbytek = data.size() - cela.zvuk.size() - metadat;
    Pozadovat(zbytek + 1 >= delek && zbytek <= delek + kNejdelsiBlokMetadat, "nothing lost");
    if (metaint == 0) {
        Pozadovat(cela.zvuk.size() == data.size(), "all sound without metadata");
    }
}

void Titul(Bajty data) {
    const std::string_view text = Text(data);
    const std::u16string utf16 = DekodovatText(text);
    if (JePlatneUtf8(text)) {
        Pozadovat(utf16.size() <= text.size(), "UTF-8 never longer in UTF-16");
    } else {
        Pozadovat(utf16.size() == text.size(), "one character per byte in 1250");
    }
    const std::wstring siroky = NaWideText(utf16);
    Pozadovat(siroky.size() <= utf16.size(), "wide text no longer than UTF-16");
    if constexpr (sizeof(wchar_t) == 4) {
        for (const wchar_t znak : siroky) {
            Pozadovat(znak < 0xD800 || (znak > 0xDFFF && znak <= 0x10FFFF), "no surrogates");
        }
    }
    TitulStreamu(data);
}

void ZpetStejne(const std::optional<Adresa>& adresa) {
    if (adresa) {
        const std::string url = SlozitUrl(*adresa);
        Pozadovat(RozdelitUrl(url) == adresa, "an accepted address reads back the same");
        Pozadovat(adresa->schema == "http" || adresa->schema == "https", "http or https only");
    }
}

void Adresy(Bajty data) {
    const std::string_view text = Text(data);
    ZpetStejne(RozdelitUrl(text));
    const Adresa zaklad = *RozdelitUrl("http://r.cz:8000/a/b/c.pls?x=1");
    ZpetStejne(VyresitOdkaz(zaklad, text));
    // Redirects along the lines of the input.
    Presmerovani presmerovani(zaklad);
    std::string_view zbytek = text;
    while (!zbytek.empty()) {
        const std::size_t konec = zbytek.find('\n');
        const VysledekPresmerovani v = presmerovani.Presmerovat(zbytek.substr(0, konec));
        Pozadovat(presmerovani.Pocet() <= kNejvicePresmerovani, "redirects limited");
        Pozadovat(v != VysledekPresmerovani::PrilisMnoho ||
                      presmerovani.Pocet() == kNejvicePresmerovani,
                  "too many only at the limit");
        zbytek = konec == std::string_view::npos ? std::string_view{} : zbytek.substr(konec + 1);
    }
    ZpetStejne(presmerovani.Aktualni());
}

void Seznamy(Bajty data) {
    if (data.empty()) {
        return;
    }
    static constexpr std::string_view kTypy[]{
        "",          "audio/x-scpls", "audio/x-mpegurl",          "video/x-ms-asf",
        "text/html", "audio/mpeg",    "application/octet-stream", "text/plain"};
    const std::string_view typ = kTypy[data[0] % std::size(kTypy)];
    data = data.subspan(1);
    for (const DruhSeznamu druh : {DruhSeznamu::Pls, DruhSeznamu::M3u, DruhSeznamu::Asx}) {
        for (const std::string& url : CistSeznam(druh, data)) {
            Pozadovat(RozdelitUrl(url).has_value(), "playlist gives valid addresses");
        }
    }
    const Rozpoznani r = RozpoznatObsah(typ, data, "http://r.cz/x.m3u");
    Pozadovat((r.druh == DruhObsahu::Seznam) == (r.seznam != DruhSeznamu::Zadny),
              "a playlist kind exactly for a playlist");
    NahraditEntity(Text(data));
}

template <class Hlavicka, class Cist>
void OveritSync(Bajty data, const std::optional<Synchronizace<Hlavicka>>& sync, Cist cist) {
    if (!sync) {
        return;
    }
    std::size_t posun = sync->posun;
    for (int i = 0; i < 3; ++i) {
        Pozadovat(posun < data.size(), "chain inside the data");
        const std::optional<Hlavicka> h = cist(data.subspan(posun));
        Pozadovat(h.has_value(), "a header at each link");
        if (i == 0) {
            Pozadovat(*h == sync->hlavicka, "the first header reported");
        }
        posun += h->delkaRamce;
    }
}

bool StejnyDruh(const HlavickaMp3& h, const HlavickaMp3& format) {
    return h.vzorkovaciKmitocet == format.vzorkovaciKmitocet && h.kanaly == format.kanaly &&
           h.verze == format.verze;
}

bool StejnyDruh(const HlavickaAdts& h, const HlavickaAdts& format) {
    return h.indexKmitoctu == format.indexKmitoctu && h.kanaly == format.kanaly &&
           h.profil == format.profil;
}

// Frames of the synchronised stream, or of the most common kind when there is none.
template <class Hlavicka, class Cist>
void RamceProDekoder(Bajty data, std::size_t kus,
                     const std::optional<Synchronizace<Hlavicka>>& sync, Bajty bezna, Cist cist) {
    const Hlavicka format = sync ? sync->hlavicka : *cist(bezna);
    const auto rozdelit = [&](std::size_t velikost) {
        RozdelovacRamcu<Hlavicka> r(format);
        std::vector<std::string> ramce;
        std::size_t bajtuRamcu = 0;
        PoKusech(data, velikost, [&](Bajty cast) {
            r.Pridat(cast);
            for (Bajty ramec = r.DalsiRamec(); !ramec.empty(); ramec = r.DalsiRamec()) {
                const std::optional<Hlavicka> h = cist(ramec);
                Pozadovat(h && h->delkaRamce == ramec.size() && StejnyDruh(*h, format),
                          "a whole frame of the stream");
                ramce.emplace_back(Text(ramec));
                bajtuRamcu += ramec.size();
            }
        });
        Pozadovat(bajtuRamcu + r.Preskoceno() + r.Cekajicich() == data.size(),
                  "every byte a frame, skipped or waiting");
        return ramce;
    };
    Pozadovat(rozdelit(std::max<std::size_t>(data.size(), 1)) == rozdelit(kus),
              "same frames in pieces");
}

void Ramce(Bajty data, std::size_t kus) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (const std::optional<HlavickaMp3> h = CistHlavickuMp3(data.subspan(i))) {
            Pozadovat(h->delkaRamce >= 24 && h->delkaRamce <= 1441, "MP3 frame length in range");
        }
        if (const std::optional<HlavickaAdts> h = CistHlavickuAdts(data.subspan(i))) {
            const std::array<std::uint8_t, 2> k = KonfiguraceDekoderu(*h);
            Pozadovat(k[0] >> 3 == h->profil + 1 &&
                          ((k[0] & 7u) << 1 | k[1] >> 7) == h->indexKmitoctu &&
                          ((k[1] >> 3) & 0xFu) == h->kanaly && (k[1] & 7u) == 0,
                      "configuration holds the header's fields");
        }
    }
    const std::optional<Synchronizace<HlavickaMp3>> sync = SynchronizovatMp3(data);
    OveritSync(data, sync, CistHlavickuMp3);
    const std::optional<Synchronizace<HlavickaAdts>> syncAdts = SynchronizovatAdts(data);
    OveritSync(data, syncAdts, CistHlavickuAdts);
    const std::array<std::uint8_t, 4> mp3{0xFF, 0xFB, 0x90, 0x64};
    RamceProDekoder(data, kus, sync, mp3, CistHlavickuMp3);
    const std::array<std::uint8_t, 7> adts{0xFF, 0xF1, 0x50, 0x80, 0x2E, 0x7F, 0xFC};
    RamceProDekoder(data, kus, syncAdts, adts, CistHlavickuAdts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t kus = 1 + data[1] % 64;
    const Bajty vstup(data + 2, size - 2);
    switch (data[0] % 6) {
    case 0:
        Hlava(vstup, kus);
        break;
    case 1:
        Metadata(vstup, kus);
        break;
    case 2:
        Titul(vstup);
        break;
    case 3:
        Adresy(vstup);
        break;
    case 4:
        Seznamy(vstup);
        break;
    default:
        Ramce(vstup, kus);
        break;
    }
    return 0;
}
