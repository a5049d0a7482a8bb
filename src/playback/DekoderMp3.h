// Decoding an MP3 stream to PCM with the system's MPEG Layer-3 codec.
//
// Bytes go in as they come from the network, in pieces of any size; the decoder cuts them
// into whole frames itself (RozdelovacMp3), so a frame split by a read is decoded once its end
// has come. The codec holds back a frame or two before its first output and keeps some state
// between frames, so the PCM of a call need not match the bytes of that call; after a jump or
// a reconnect, Obnovit() starts afresh.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "playback/Pcm.h"
#include "playback/RamceMp3.h"
#include "playback/RozdelovacMp3.h"

namespace Vrbatec {

class DekoderMp3 {
public:
    DekoderMp3();
    ~DekoderMp3();
    DekoderMp3(const DekoderMp3&) = delete;
    DekoderMp3& operator=(const DekoderMp3&) = delete;

    // Opens the codec for frames like `hlavicka`, which should come from SynchronizovatMp3:
    // the codec decodes at the rate the frames really have, so a rate from one stray header
    // would mislabel the sound. Whatever was open before is closed.
    HRESULT Otevrit(const Stream::HlavickaMp3& hlavicka);

    // Decodes every whole frame of what came so far and appends the samples to `pcm`
    // (interleaved, in Format()). Bytes that are not frames of this stream are skipped.
    HRESULT Dekodovat(std::span<const std::uint8_t> bajty, std::vector<std::int16_t>& pcm);

    // Drops waiting bytes and the codec's state by opening it again with the same format.
    HRESULT Obnovit();

    bool Otevreny() const;
    // The PCM it gives; zero rate and channels while closed.
    Stream::FormatPcm Format() const;

private:
    struct Kodek;
    HRESULT PrevestRamce(std::vector<std::int16_t>& pcm);

    std::optional<Stream::HlavickaMp3> hlavicka_;
    std::optional<Stream::RozdelovacMp3> rozdelovac_;
    std::unique_ptr<Kodek> kodek_;
};

} // namespace Vrbatec
