// Decoding an AAC stream in ADTS to PCM with the system's AAC decoder (a Media Foundation
// transform), one ADTS frame at a time, header included.
//
// Not every system has the transform (Windows N editions; Wine without GStreamer's libav
// plugins): Otevrit then says so with kZadnyDekoder, which the engine tells apart from a
// stream it cannot read. COM and Media Foundation are started for the calling thread while
// the decoder is open, so it is opened, used and destroyed on one thread.
#pragma once

#include <windows.h>
#include <mferror.h>

#include "playback/DekoderStreamu.h"
#include "playback/RamceAdts.h"

namespace Vrbatec {

namespace Detail {
struct KodekAac;
} // namespace Detail

extern template class DekoderStreamu<Stream::HlavickaAdts, Detail::KodekAac>;

// Otevrit wants frames from SynchronizovatAdts. Format() is what the transform announced.
class DekoderAac final : public DekoderStreamu<Stream::HlavickaAdts, Detail::KodekAac> {
public:
    // The system has no AAC decoder, or none that takes this stream.
    static constexpr HRESULT kZadnyDekoder = MF_E_TOPO_CODEC_NOT_FOUND;
};

} // namespace Vrbatec
