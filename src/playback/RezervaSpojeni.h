// A connection that reads ahead: a thread of its own reads the server as fast as it sends, up
// to a limit of bytes waiting, and the engine's reads take from what waits. What a radio server
// sends faster than it plays (most send a burst on connecting) becomes a reserve, so a short
// stall of the server or the network is not heard: the engine learns of a stall, or of the end,
// only once the reserve has run out.
//
// Zrusit cuts every wait short, as for any connection; the reading thread ends with the
// object.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "playback/SpojeniStreamu.h"

namespace Vrbatec::Stream {

class RezervaSpojeni final : public SpojeniStreamu {
public:
    // What is read ahead before the stream's bit rate tells how long a reserve lasts.
    static constexpr std::size_t kVychoziLimit = 64 * 1024;
    // One read of the thread: the least that is ever read ahead.
    static constexpr std::size_t kKus = 4096;

    explicit RezervaSpojeni(std::unique_ptr<SpojeniStreamu> spojeni,
                            std::size_t limit = kVychoziLimit);
    ~RezervaSpojeni() override;
    RezervaSpojeni(const RezervaSpojeni&) = delete;
    RezervaSpojeni& operator=(const RezervaSpojeni&) = delete;

    // Opens the connection, then starts reading ahead.
    HRESULT Otevrit(const PozadavekStreamu& pozadavek) override;
    HRESULT Cist(std::span<std::uint8_t> kam, std::size_t& precteno) override;
    void Zrusit() noexcept override;

    // From any thread; never below one read.
    void NastavitLimit(std::size_t bajtu);
    // Bytes read and not yet taken.
    std::size_t Cekajicich() const;

private:
    void CistDopredu() noexcept;

    std::unique_ptr<SpojeniStreamu> spojeni_;
    mutable std::mutex mutex_;
    std::condition_variable zmena_;
    std::vector<std::uint8_t> data_;
    std::size_t zacatek_ = 0; // of what waits in data_
    std::size_t limit_;
    HRESULT konec_ = S_OK; // how the thread's reading ended; S_OK while it reads
    bool zruseno_ = false;
    std::thread vlakno_;
};

// Bytes of `milisekund` of a stream of `kilobituZaSekundu`.
constexpr std::size_t BajtuRezervy(std::uint32_t milisekund, std::uint32_t kilobituZaSekundu) {
    return static_cast<std::size_t>(std::uint64_t{milisekund} * kilobituZaSekundu / 8);
}

} // namespace Vrbatec::Stream
