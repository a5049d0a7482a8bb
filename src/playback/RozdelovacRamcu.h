// Cutting the bytes of a compressed stream, as they come in pieces of any size, into whole
// frames for the decoder. The system's decoders take frames whole; a frame cut by a read waits
// for its end. Bytes that are not a frame of the stream (junk after a glitch, a tag) are
// skipped up to the next header of the same kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "playback/RamceAdts.h"
#include "playback/RamceMp3.h"

namespace Vrbatec::Stream {

// Made for the headers of MP3 (HlavickaMp3) and of AAC in ADTS (HlavickaAdts).
template <class Hlavicka>
class RozdelovacRamcu {
public:
    // Frames of the kind of `format` (version or profile, sample rate, channels) belong to the
    // stream; a change of those needs a new decoder, so such frames are skipped like junk.
    explicit RozdelovacRamcu(const Hlavicka& format) : format_(format) {}

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
    Hlavicka format_;
    std::vector<std::uint8_t> data_;
    std::size_t zacatek_ = 0;
    std::uint64_t preskoceno_ = 0;
};

extern template class RozdelovacRamcu<HlavickaMp3>;
extern template class RozdelovacRamcu<HlavickaAdts>;

using RozdelovacMp3 = RozdelovacRamcu<HlavickaMp3>;
using RozdelovacAdts = RozdelovacRamcu<HlavickaAdts>;

} // namespace Vrbatec::Stream
