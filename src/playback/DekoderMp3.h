// Decoding an MP3 stream to PCM with the system's MPEG Layer-3 codec (ACM).
//
// The codec holds back a frame or two before its first output; after a reconnect it has to
// be opened afresh (Obnovit), as spliced data makes it complain.
#pragma once

#include "playback/DekoderStreamu.h"
#include "playback/RamceMp3.h"

namespace Vrbatec {

namespace Detail {
struct KodekMp3;
} // namespace Detail

extern template class DekoderStreamu<Stream::HlavickaMp3, Detail::KodekMp3>;

// Otevrit wants frames from SynchronizovatMp3: the codec decodes at the rate the frames really
// have, whatever it is told.
class DekoderMp3 final : public DekoderStreamu<Stream::HlavickaMp3, Detail::KodekMp3> {};

} // namespace Vrbatec
