// Reading ahead of the engine, over a scripted connection: how much is read ahead, and that the
// end, a stall and a cancel reach the reader in their turn.
#include "playback/RezervaSpojeni.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "support/Cekani.h"
#include "winapi/Handle.h"

namespace Vrbatec::Stream {
namespace {

using Hodiny = std::chrono::steady_clock;

// Gives `bajtu` bytes (the n-th is n % 251) in pieces of 1000, or without end when `bajtu` is
// zero, then `konec`; a connection that has nothing more to give waits for Zrusit.
class SkriptovaneSpojeni final : public SpojeniStreamu {
public:
    SkriptovaneSpojeni(std::size_t bajtu, HRESULT konec, HRESULT otevreni = S_OK)
        : bajtu_(bajtu), konec_(konec), otevreni_(otevreni),
          zruseni_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    HRESULT Otevrit(const PozadavekStreamu&) override { return otevreni_; }

    HRESULT Cist(std::span<std::uint8_t> kam, std::size_t& precteno) override {
        precteno = 0;
        if (::WaitForSingleObject(zruseni_.Get(), 0) == WAIT_OBJECT_0) {
            return ChybaZruseno;
        }
        if (bajtu_ != 0 && dano_ >= bajtu_) {
            if (konec_ == ChybaZruseno) { // "stalls until cancelled"
                ::WaitForSingleObject(zruseni_.Get(), INFINITE);
            }
            return konec_;
        }
        std::size_t n = std::min<std::size_t>(kam.size(), 1000);
        if (bajtu_ != 0) {
            n = std::min(n, bajtu_ - dano_);
        }
        for (std::size_t i = 0; i < n; ++i) {
            kam[i] = static_cast<std::uint8_t>((dano_ + i) % 251);
        }
        dano_ += n;
        precteno = n;
        ++cteni;
        return S_OK;
    }

    void Zrusit() noexcept override { ::SetEvent(zruseni_.Get()); }

    std::atomic<int> cteni{0};

private:
    std::size_t bajtu_;
    std::size_t dano_ = 0;
    HRESULT konec_;
    HRESULT otevreni_;
    WinApi::UniqueHandle zruseni_;
};

struct Precteno {
    std::vector<std::uint8_t> data;
    HRESULT konec = S_OK;
};

Precteno PrecistVse(SpojeniStreamu& spojeni) {
    Precteno p;
    std::vector<std::uint8_t> kus(700);
    while (true) {
        std::size_t n = 0;
        p.konec = spojeni.Cist(kus, n);
        if (p.konec != S_OK) {
            return p;
        }
        p.data.insert(p.data.end(), kus.begin(), kus.begin() + static_cast<std::ptrdiff_t>(n));
    }
}

bool VPoradi(const std::vector<std::uint8_t>& data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] != i % 251) {
            return false;
        }
    }
    return true;
}

TEST(RezervaSpojeni, ReadsAheadUpToItsLimitAndFurtherWhenTheLimitGrows) {
    auto skript = std::make_unique<SkriptovaneSpojeni>(0, S_OK);
    RezervaSpojeni rezerva(std::move(skript), 10000);
    ASSERT_EQ(S_OK, rezerva.Otevrit({}));
    ASSERT_TRUE(Testy::CekatNa([&] { return rezerva.Cekajicich() >= 10000; }, 2000));
    ::Sleep(100);
    EXPECT_LT(rezerva.Cekajicich(), 10000u + 1000u) << "read past the limit";

    rezerva.NastavitLimit(30000);
    ASSERT_TRUE(Testy::CekatNa([&] { return rezerva.Cekajicich() >= 30000; }, 2000));

    // A limit below one read still reads, one piece at a time.
    rezerva.NastavitLimit(0);
    std::vector<std::uint8_t> kus(5000);
    std::size_t n = 0;
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(S_OK, rezerva.Cist(kus, n));
    }
    EXPECT_GT(n, 0u);
}

// Whatever ended the reading reaches the reader only after every byte read before it.
TEST(RezervaSpojeni, TheEndAndAStallComeAfterEverythingReadAhead) {
    for (const HRESULT konec : {S_FALSE, ChybaVyprselCas, E_FAIL}) {
        SCOPED_TRACE(konec);
        RezervaSpojeni rezerva(std::make_unique<SkriptovaneSpojeni>(25000, konec));
        ASSERT_EQ(S_OK, rezerva.Otevrit({}));
        ASSERT_TRUE(Testy::CekatNa([&] { return rezerva.Cekajicich() == 25000; }, 2000));
        const Precteno p = PrecistVse(rezerva);
        EXPECT_EQ(konec, p.konec);
        EXPECT_EQ(25000u, p.data.size());
        EXPECT_TRUE(VPoradi(p.data));
        std::vector<std::uint8_t> kus(10);
        std::size_t n = 1;
        EXPECT_EQ(konec, rezerva.Cist(kus, n)) << "the end stays";
        EXPECT_EQ(0u, n);
    }
}

TEST(RezervaSpojeni, ACancelEndsAWaitingReadAndTheReadingThread) {
    // 3000 bytes, then a server that says nothing until the cancel.
    auto rezerva =
        std::make_unique<RezervaSpojeni>(std::make_unique<SkriptovaneSpojeni>(3000, ChybaZruseno));
    ASSERT_EQ(S_OK, rezerva->Otevrit({}));
    std::thread zruseni([&] {
        ::Sleep(200);
        rezerva->Zrusit();
    });
    const Precteno p = PrecistVse(*rezerva);
    const auto zacatek = Hodiny::now();
    zruseni.join();
    EXPECT_EQ(ChybaZruseno, p.konec);
    EXPECT_EQ(3000u, p.data.size());
    rezerva.reset(); // joins the reading thread, which must have ended
    EXPECT_LT(Hodiny::now() - zacatek, std::chrono::seconds(1));
}

TEST(RezervaSpojeni, AFailedOpenReadsNothing) {
    auto skript = std::make_unique<SkriptovaneSpojeni>(0, S_OK, E_ACCESSDENIED);
    SkriptovaneSpojeni& s = *skript;
    RezervaSpojeni rezerva(std::move(skript));
    EXPECT_EQ(E_ACCESSDENIED, rezerva.Otevrit({}));
    ::Sleep(50);
    EXPECT_EQ(0, s.cteni.load());
}

} // namespace
} // namespace Vrbatec::Stream
