// Load and save of a list of 100 000 sources: records per second, and how much longer a
// load takes than just reading the same bytes from disk.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "sources/KodekZdroju.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using namespace Vrbatec;
using Hodiny = std::chrono::steady_clock;

constexpr int kPocetZaznamu = 100000;
constexpr int kOpakovani = 7;

std::vector<Zdroj> VytvoritSeznam() {
    std::vector<Zdroj> zdroje;
    zdroje.reserve(kPocetZaznamu);
    for (int i = 0; i < kPocetZaznamu; ++i) {
        zdroje.push_back({L"Rádio stanice č. " + std::to_wstring(i),
                          L"http://stream.example.cz/radio/" + std::to_wstring(i) + L"/live.mp3",
                          i % 3 == 0 ? -1 : i % 101, i % 2 == 0});
    }
    return zdroje;
}

// The best of several runs: the figure least disturbed by other work on the machine.
template <class Prace, class Uklid>
double NejlepsiCas(Prace prace, Uklid uklid) {
    double nejlepsi = 1e30;
    for (int i = 0; i < kOpakovani; ++i) {
        uklid();
        const auto zacatek = Hodiny::now();
        prace();
        const std::chrono::duration<double> trvani = Hodiny::now() - zacatek;
        nejlepsi = std::min(nejlepsi, trvani.count());
    }
    return nejlepsi;
}

template <class Prace>
double NejlepsiCas(Prace prace) {
    return NejlepsiCas(prace, [] {});
}

std::size_t VelikostSouboru(std::FILE* soubor) {
    std::fseek(soubor, 0, SEEK_END);
    const long velikost = std::ftell(soubor);
    std::fseek(soubor, 0, SEEK_SET);
    return static_cast<std::size_t>(velikost);
}

// Reading as the program does: the whole file into a buffer of code units at once.
std::u16string PrecistSoubor(const std::string& cesta) {
    std::FILE* soubor = std::fopen(cesta.c_str(), "rb");
    if (soubor == nullptr) {
        std::perror("fopen");
        std::exit(1);
    }
    const std::size_t velikost = VelikostSouboru(soubor);
    std::u16string text((velikost + 1) / 2, u'\0');
    if (std::fread(text.data(), 1, velikost, soubor) != velikost) {
        std::perror("fread");
        std::exit(1);
    }
    std::fclose(soubor);
    text.resize(velikost / 2);
    return text;
}

void ZapsatSoubor(const std::string& cesta, const std::vector<std::uint8_t>& bajty) {
    std::FILE* soubor = std::fopen(cesta.c_str(), "wb");
    if (soubor == nullptr || std::fwrite(bajty.data(), 1, bajty.size(), soubor) != bajty.size() ||
        std::fclose(soubor) != 0) {
        std::perror("write");
        std::exit(1);
    }
}

// Where the name and URL of every record lie in the text, found once before any timing.
struct HodnotyZaznamu {
    std::u16string_view nazev;
    std::u16string_view url;
};

std::u16string_view HodnotaMeziZnackami(std::u16string_view text, std::u16string_view otevrit,
                                        std::u16string_view zavrit, std::size_t& od) {
    const std::size_t zacatek = text.find(otevrit, od) + otevrit.size();
    od = text.find(zavrit, zacatek);
    return text.substr(zacatek, od - zacatek);
}

std::vector<HodnotyZaznamu> NajitHodnoty(std::u16string_view text) {
    std::vector<HodnotyZaznamu> hodnoty(kPocetZaznamu);
    std::size_t od = 0;
    for (HodnotyZaznamu& h : hodnoty) {
        h.nazev = HodnotaMeziZnackami(text, u"<nazev>", u"</nazev>", od);
        h.url = HodnotaMeziZnackami(text, u"<url>", u"</url>", od);
    }
    return hodnoty;
}

// What no reader can avoid while a record owns its two texts as wide strings: one heap
// string per text, widened from the file's UTF-16 (on Linux wchar_t is 32 bits, so the
// texts take twice the bytes they take in the file). No searching at all.
std::vector<Zdroj> ZaznamyZeZnamychHodnot(const std::vector<HodnotyZaznamu>& hodnoty) {
    std::vector<Zdroj> zdroje;
    zdroje.reserve(hodnoty.size());
    for (const HodnotyZaznamu& h : hodnoty) {
        zdroje.push_back({std::wstring(h.nazev.begin(), h.nazev.end()),
                          std::wstring(h.url.begin(), h.url.end()), kBezVlastniHlasitosti, false});
    }
    return zdroje;
}

void Vypsat(const char* co, double sekundy) {
    std::printf("%-34s %9.2f ms  %12.0f records/s\n", co, sekundy * 1e3, kPocetZaznamu / sekundy);
}

} // namespace

// A running program reuses its heap; without this, glibc hands freed memory back to the
// system after each run and the next run measures page faults instead of the code.
void UdrzetHaldu() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
}

int main() {
    UdrzetHaldu();
    const std::vector<Zdroj> zdroje = VytvoritSeznam();
    const std::string cesta =
        (std::filesystem::temp_directory_path() / "zvukolet_kodek_bench.xml").string();

    std::vector<std::uint8_t> bajty;
    const double zakodovani = NejlepsiCas([&] { bajty = KodekZdroju::ZakodovatNaBajty(zdroje); });
    const double ulozeni = NejlepsiCas([&] {
        bajty = KodekZdroju::ZakodovatNaBajty(zdroje);
        ZapsatSoubor(cesta, bajty);
    });

    std::vector<std::uint8_t> kopie(bajty.size());
    const double memcpyCas =
        NejlepsiCas([&] { std::memcpy(kopie.data(), bajty.data(), bajty.size()); });

    const std::u16string text = PrecistSoubor(cesta);
    // The records of a run are freed before the next one starts, outside the time measured.
    std::vector<Zdroj> precteno;
    const auto uvolnit = [&] { std::vector<Zdroj>().swap(precteno); };
    const double dekodovani =
        NejlepsiCas([&] { precteno = KodekZdroju::Dekodovat(text); }, uvolnit);
    if (precteno != zdroje) {
        std::fprintf(stderr, "records read differ from those written\n");
        return 1;
    }

    std::size_t kontrola = 0;
    const double cteni = NejlepsiCas([&] { kontrola += PrecistSoubor(cesta).size(); });
    const double nacteni = NejlepsiCas(
        [&] {
            precteno = KodekZdroju::Dekodovat(PrecistSoubor(cesta));
            kontrola += precteno.size();
        },
        uvolnit);
    const std::vector<HodnotyZaznamu> hodnoty = NajitHodnoty(text);
    const double stavba = NejlepsiCas([&] { precteno = ZaznamyZeZnamychHodnot(hodnoty); }, uvolnit);
    kontrola += precteno.size();
    std::filesystem::remove(cesta);

    std::printf("%d records, %zu bytes (best of %d runs)\n", kPocetZaznamu, bajty.size(),
                kOpakovani);
    Vypsat("encode (records -> bytes)", zakodovani);
    Vypsat("save (encode + write file)", ulozeni);
    Vypsat("decode (units in memory -> records)", dekodovani);
    Vypsat("load (read file + decode)", nacteni);
    Vypsat("plain read of the file", cteni);
    Vypsat("records from known values only", stavba);
    std::printf("%-34s %9.2f ms\n", "memcpy of the bytes", memcpyCas * 1e3);
    std::printf("load / plain read ratio             %9.2f (target <= 3)\n", nacteni / cteni);
    std::printf("load / memcpy ratio                 %9.2f\n", nacteni / memcpyCas);
    // The least any load can take with these records: the read and the records themselves.
    std::printf("(read + records only) / plain read  %9.2f\n", (cteni + stavba) / cteni);
    return kontrola == 0 ? 1 : 0;
}
