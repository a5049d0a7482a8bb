// Cutting the bytes of an MP3 stream, as they come in pieces of any size, into whole frames
// for the decoder. The system's decoder takes frames whole; a frame cut by a read waits for
// its end. Bytes that are not a frame of the stream (junk after a glitch, a tag) are skipped
// up to the next header of the same kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "playback/RamceMp3.h"

namespace Vrbatec::Stream {

class RozdelovacMp3 {
public:
    // Frames of the version, sample rate and channel count of `format` belong to the stream;
    // a change of those needs a new decoder, so such frames are skipped like junk.
    explicit RozdelovacMp3(const HlavickaMp3& format) : format_(format) {}

    void Pridat(std::span<const std::uint8_t> bajty);

    // The next whole frame, valid until the next call of a non-const member; empty when the
    // frame is not complete yet.
    std::span<const std::uint8_t> DalsiRamec();

    // Forgets what waits, for a jump in the stream.
    void Vyprazdnit();

    std::size_t Cekajicich() const { return data_.size() - zacatek_; }
    // Bytes skipped as not frames of the stream, since the start.
    std::uint64_t Preskoceno() const { return preskoceno_; }

private:
    bool Nas(const HlavickaMp3& h) const;

    HlavickaMp3 format_;
    std::vector<std::uint8_t> data_;
    std::size_t zacatek_ = 0;
    std::uint64_t preskoceno_ = 0;
};

} // namespace Vrbatec::Stream
