// The stream engine against Debian's real radio server (s_icecastem.sh under se_zvukem.sh):
// icecast2 relays the lame-made 440 Hz MP3 that the tests' source client feeds it, the null
// sink's monitor hears what the engine plays, and a title set through the server's admin
// requests reaches the engine in the server's own metadata blocks. The server is not ours, so
// what it sends (its headers, its burst, its metadata interval) is what a listener meets.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "playback/MotorTestu.h"
#include "playback/Nahravka.h"
#include "playback/PrehravacStreamu.h"
#include "playback/ServerIcy.h"
#include "support/Cekani.h"
#include "support/ZarizeniMonitoru.h"
#include "update/HttpTextSoubor.h"

namespace Vrbatec::Testy {
namespace {

// What s_icecastem.sh says of its server; empty without it.
std::string Promenna(const char* nazev) {
    char hodnota[256] = {};
    const DWORD delka = ::GetEnvironmentVariableA(nazev, hodnota, sizeof(hodnota));
    return delka == 0 || delka >= sizeof(hodnota) ? std::string() : std::string(hodnota);
}

std::string Server() {
    return "http://127.0.0.1:" + Promenna("ZV_ICECAST_PORT");
}

std::wstring Siroky(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// Sets the mount's title as a broadcaster's software does; the server's answer, empty when
// the request failed.
std::string NastavitTitul(const std::string& titul) {
    const std::wstring url =
        Siroky(Server() + "/admin/metadata?mount=" + Promenna("ZV_ICECAST_MOUNT") +
               "&mode=updinfo&charset=UTF-8&song=" + ZakodovatProServer(titul));
    const std::wstring hlavicka = Siroky("Authorization: " + Promenna("ZV_ICECAST_ADMIN"));
    const UniqueInternet spojeni(
        ::InternetOpenW(L"Zvukolet testy", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!spojeni) {
        return {};
    }
    const UniqueInternet pozadavek(::InternetOpenUrlW(
        spojeni.Get(), url.c_str(), hlavicka.c_str(), static_cast<DWORD>(hlavicka.size()),
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
    std::string odpoved;
    char kus[512];
    DWORD precteno = 0;
    while (pozadavek && ::InternetReadFile(pozadavek.Get(), kus, sizeof(kus), &precteno) &&
           precteno > 0) {
        odpoved.append(kus, precteno);
    }
    return odpoved;
}

class PrehravacIcecastTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Promenna("ZV_ICECAST_PORT").empty()) << "no radio server (s_icecastem.sh)";
        prehravac_ = VytvoritPrehravacStreamu(::GetModuleHandleW(nullptr), nullptr, posluchac_);
        ASSERT_EQ(S_OK, prehravac_->NastavitHlasitost(100));
        ASSERT_EQ(S_OK, prehravac_->OtevritUrl(Siroky(Server() + Promenna("ZV_ICECAST_MOUNT"))));
        ASSERT_EQ(S_OK, prehravac_->Prehrat());
        ASSERT_TRUE(CekatNa([&] { return posluchac_.Prislo(kPrehrava); }, 10000))
            << "never played: " << prehravac_->DuvodSelhani();
    }

    PosluchacMotoru posluchac_;
    std::unique_ptr<Prehravac> prehravac_;
};

TEST_F(PrehravacIcecastTest, PlaysTheToneWithTheStationNameAndBitRate) {
    ASSERT_FALSE(ZarizeniMonitoru().empty()) << "no monitor of the null sink to record";
    Nahravka nahravka(1500);
    ASSERT_TRUE(nahravka.Nahrat()) << "the recording device failed";
    EXPECT_GT(nahravka.NejvyssiUroven(), 8000.0);
    EXPECT_NEAR(440.0, nahravka.Kmitocet(), 5.0);
    EXPECT_FALSE(posluchac_.Prislo(kZnovu)) << "the server's stream was dropped";

    std::wstring nazev;
    ASSERT_EQ(S_OK, prehravac_->NazevMedia(nazev));
    EXPECT_EQ(L"Zkušební stanice", nazev);
    EXPECT_EQ(L"128000", Informace(*prehravac_, L"Bitrate"));
}

TEST_F(PrehravacIcecastTest, TitlesSetThroughTheServerArriveOneAfterAnother) {
    // The second replaces the first: a title that stuck would fail it.
    const struct {
        const char* poslany;
        const wchar_t* ocekavany;
    } tituly[] = {
        {"Žluťoučký kůň – úpěl ďábelské ódy", L"Žluťoučký kůň – úpěl ďábelské ódy"},
        {"Second title", L"Second title"},
    };
    for (const auto& t : tituly) {
        SCOPED_TRACE(t.poslany);
        const int zmenPredtim = posluchac_.zmenTitulu;
        const std::string odpoved = NastavitTitul(t.poslany);
        ASSERT_NE(std::string::npos, odpoved.find("<return>1</return>"))
            << "the server did not take the title: " << odpoved;
        // The server sends a metadata block every 16000 bytes, a second of this stream.
        EXPECT_TRUE(CekatNa([&] { return Informace(*prehravac_, L"Title") == t.ocekavany; }, 5000))
            << "title: " << Informace(*prehravac_, L"Title");
        EXPECT_GT(posluchac_.zmenTitulu, zmenPredtim) << "the listener was not told";
    }
}

} // namespace
} // namespace Vrbatec::Testy
