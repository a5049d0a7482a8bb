// What the stream engine's decoders share: the bytes, as they come from the network in pieces
// of any size, cut into whole frames of the format opened (RozdelovacRamcu), so that a frame
// split by a read is decoded once its end has come; the format kept for a fresh start after a
// jump or a reconnect; and a codec of the system behind them.
//
// `Kodek` is the codec's own part, defined where its decoder is:
//   static bool Prijme(const Hlavicka&)  whether frames like these could be decoded at all
//   HRESULT Otevrit(const Hlavicka&)
//   HRESULT Dekodovat(Stream::RozdelovacRamcu<Hlavicka>&, std::vector<std::int16_t>& pcm)
//                                        decodes the whole frames that wait
//   Stream::FormatPcm Format() const
// The members are instantiated only there (DekoderMp3.cpp, DekoderAac.cpp), where the codec
// is complete.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "playback/Pcm.h"
#include "playback/RozdelovacRamcu.h"

namespace Vrbatec {

template <class Hlavicka, class Kodek>
class DekoderStreamu {
public:
    DekoderStreamu();
    ~DekoderStreamu();
    DekoderStreamu(const DekoderStreamu&) = delete;
    DekoderStreamu& operator=(const DekoderStreamu&) = delete;

    // Opens the codec for frames like `hlavicka`, which should come from the stream's
    // synchronisation (three chained frames): a rate from one stray header would mislabel the
    // sound. Whatever was open before is closed. E_INVALIDARG for a header no codec takes.
    HRESULT Otevrit(const Hlavicka& hlavicka);

    // Decodes every whole frame of what came so far and appends the samples to `pcm`
    // (interleaved, in Format()). Bytes that are not frames of this stream are skipped.
    // The codec may hold back a frame or two and keeps state between frames, so the PCM of
    // a call need not match the bytes of that call.
    HRESULT Dekodovat(std::span<const std::uint8_t> bajty, std::vector<std::int16_t>& pcm);

    // Drops waiting bytes and the codec's state by opening it again with the same format.
    HRESULT Obnovit();

    bool Otevreny() const;
    // The PCM it gives; zero rate and channels while closed.
    Stream::FormatPcm Format() const;

private:
    std::optional<Hlavicka> hlavicka_;
    std::optional<Stream::RozdelovacRamcu<Hlavicka>> rozdelovac_;
    std::unique_ptr<Kodek> kodek_;
};

template <class Hlavicka, class Kodek>
DekoderStreamu<Hlavicka, Kodek>::DekoderStreamu() = default;

template <class Hlavicka, class Kodek>
DekoderStreamu<Hlavicka, Kodek>::~DekoderStreamu() = default;

template <class Hlavicka, class Kodek>
HRESULT DekoderStreamu<Hlavicka, Kodek>::Otevrit(const Hlavicka& hlavicka) {
    kodek_.reset();
    rozdelovac_.reset();
    hlavicka_.reset();
    if (!Kodek::Prijme(hlavicka)) {
        return E_INVALIDARG;
    }
    auto kodek = std::make_unique<Kodek>();
    const HRESULT hr = kodek->Otevrit(hlavicka);
    if (FAILED(hr)) {
        return hr;
    }
    kodek_ = std::move(kodek);
    hlavicka_ = hlavicka;
    rozdelovac_.emplace(hlavicka);
    return S_OK;
}

template <class Hlavicka, class Kodek>
HRESULT DekoderStreamu<Hlavicka, Kodek>::Dekodovat(std::span<const std::uint8_t> bajty,
                                                   std::vector<std::int16_t>& pcm) {
    if (!kodek_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    rozdelovac_->Pridat(bajty);
    return kodek_->Dekodovat(*rozdelovac_, pcm);
}

template <class Hlavicka, class Kodek>
HRESULT DekoderStreamu<Hlavicka, Kodek>::Obnovit() {
    if (!hlavicka_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    const Hlavicka hlavicka = *hlavicka_;
    return Otevrit(hlavicka);
}

template <class Hlavicka, class Kodek>
bool DekoderStreamu<Hlavicka, Kodek>::Otevreny() const {
    return kodek_ != nullptr;
}

template <class Hlavicka, class Kodek>
Stream::FormatPcm DekoderStreamu<Hlavicka, Kodek>::Format() const {
    return kodek_ ? kodek_->Format() : Stream::FormatPcm{};
}

} // namespace Vrbatec
