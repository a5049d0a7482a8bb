// The download against a server of the test's own: what a valid answer gives, which answers
// fail and with what, that an endless or huge answer neither hangs nor grows the program's
// memory, and that a server that never answers ends within the time-out.
// Winsock before anything that brings windows.h.
#include "support/ServerHttp.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <string>
#include <vector>

#include "update/HttpTextSoubor.h"

namespace {

using namespace Vrbatec;
using Testy::OdpovedHttp;
using Testy::ServerHttp;

constexpr LimityHttp kKratkeLimity{1000, 1000, 1000};

SIZE_T SpickaPameti() {
    PROCESS_MEMORY_COUNTERS pocitadla{};
    pocitadla.cb = sizeof(pocitadla);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pocitadla, sizeof(pocitadla));
    return pocitadla.PeakPagefileUsage;
}

TEST(HttpTextSoubor, ValidFileArrivesAsText) {
    ServerHttp server(OdpovedHttp::Soubor("posledniVerze 2.1.0.2\r\n"));
    std::wstring text = L"stary";
    EXPECT_EQ(HttpTextSoubor(nullptr, kKratkeLimity).Nacist(server.Url(), text), S_OK);
    EXPECT_EQ(text, L"posledniVerze 2.1.0.2\r\n");
    EXPECT_EQ(server.Pozadavku(), 1);
}

TEST(HttpTextSoubor, AnswersThatAreNoFileFailWithTheirReasonAndLeaveNoText) {
    struct Pripad {
        const char* popis;
        OdpovedHttp odpoved;
        HRESULT ocekavano;
    };
    const std::vector<Pripad> pripady{
        {"404", OdpovedHttp::Stav(404, "posledniVerze 2.1.0.2\r\n"), ChybaStavuHttp(404)},
        {"500", OdpovedHttp::Stav(500, ""), ChybaStavuHttp(500)},
        {"no Content-Length", OdpovedHttp::Soubor("posledniVerze 2.1.0.2\r\n", false),
         HRESULT_FROM_WIN32(ERROR_HTTP_HEADER_NOT_FOUND)},
        {"one byte over the limit", OdpovedHttp::Soubor(std::string(4097, 'a')), kChybaPresLimit},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.popis);
        ServerHttp server(pripad.odpoved);
        std::wstring text = L"stary";
        EXPECT_EQ(HttpTextSoubor(nullptr, kKratkeLimity).Nacist(server.Url(), text),
                  pripad.ocekavano);
        EXPECT_TRUE(text.empty());
    }
}

TEST(HttpTextSoubor, FileOfExactlyTheLimitIsRead) {
    ServerHttp server(OdpovedHttp::Soubor(std::string(4096, 'a')));
    std::wstring text;
    EXPECT_EQ(HttpTextSoubor(nullptr, kKratkeLimity).Nacist(server.Url(), text), S_OK);
    EXPECT_EQ(text.size(), 4096u);
}

TEST(HttpTextSoubor, RefusedConnectionIsTheCannotConnectError) {
    const std::wstring url =
        L"http://127.0.0.1:" + std::to_wstring(ServerHttp::VolnyPort()) + L"/posledniVerze.txt";
    std::wstring text;
    EXPECT_EQ(HttpTextSoubor(nullptr, kKratkeLimity).Nacist(url, text),
              HRESULT_FROM_WIN32(ERROR_INTERNET_CANNOT_CONNECT));
}

TEST(HttpTextSoubor, HugeAnswerStopsAtTheLimitWithoutGrowingMemory) {
    for (const bool sDelkou : {true, false}) {
        SCOPED_TRACE(sDelkou ? "with its length" : "without a length");
        // 16 MB: 256 × 64 KiB, the server itself holding one piece.
        ServerHttp server(OdpovedHttp::Soubor(std::string(65536, 'x'), sDelkou, 256));
        const SIZE_T predtim = SpickaPameti();
        const auto start = std::chrono::steady_clock::now();
        std::wstring text;
        const HRESULT hr = HttpTextSoubor(nullptr, kKratkeLimity).Nacist(server.Url(), text);
        EXPECT_TRUE(hr == kChybaPresLimit || (!sDelkou && FAILED(hr))) << std::hex << hr;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_LT(SpickaPameti() - predtim, SIZE_T{4} << 20);
    }
}

TEST(HttpTextSoubor, ServerThatNeverAnswersEndsWithinTheTimeOut) {
    ServerHttp server(OdpovedHttp::Mlceni());
    const auto start = std::chrono::steady_clock::now();
    std::wstring text;
    const HRESULT hr = HttpTextSoubor(nullptr, kKratkeLimity).Nacist(server.Url(), text);
    const auto trvani = std::chrono::steady_clock::now() - start;
    // Windows names it a time-out; Wine an aborted connection, once the time is up.
    EXPECT_TRUE(hr == HRESULT_FROM_WIN32(ERROR_INTERNET_TIMEOUT) ||
                hr == HRESULT_FROM_WIN32(ERROR_INTERNET_CONNECTION_ABORTED))
        << std::hex << hr;
    EXPECT_GE(trvani, std::chrono::milliseconds(900));
    EXPECT_LT(trvani, std::chrono::seconds(5));
    EXPECT_EQ(server.Pozadavku(), 1);
}

} // namespace
