#include "playback/RozdelovacRamcu.h"

#include <optional>

namespace Vrbatec::Stream {

namespace {

std::optional<HlavickaMp3> Cist(std::span<const std::uint8_t> bajty, const HlavickaMp3&) {
    return CistHlavickuMp3(bajty);
}

std::optional<HlavickaAdts> Cist(std::span<const std::uint8_t> bajty, const HlavickaAdts&) {
    return CistHlavickuAdts(bajty);
}

constexpr std::size_t DelkaHlavicky(const HlavickaMp3&) {
    return kDelkaHlavickyMp3;
}

// The shorter form, without CRC: one with CRC is read from the same first bytes.
constexpr std::size_t DelkaHlavicky(const HlavickaAdts&) {
    return kDelkaHlavickyAdts;
}

bool Stejneho(const HlavickaMp3& format, const HlavickaMp3& h) {
    return h.verze == format.verze && h.vzorkovaciKmitocet == format.vzorkovaciKmitocet &&
           h.kanaly == format.kanaly;
}

bool Stejneho(const HlavickaAdts& format, const HlavickaAdts& h) {
    return h.profil == format.profil && h.indexKmitoctu == format.indexKmitoctu &&
           h.kanaly == format.kanaly;
}

} // namespace

template <class Hlavicka>
void RozdelovacRamcu<Hlavicka>::Pridat(std::span<const std::uint8_t> bajty) {
    // What was handed out is dropped only now, when the caller is done with it; moving the
    // rest to the front once it is more than half keeps the copying linear.
    if (zacatek_ > 0 && zacatek_ >= data_.size() / 2) {
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(zacatek_));
        zacatek_ = 0;
    }
    data_.insert(data_.end(), bajty.begin(), bajty.end());
}

template <class Hlavicka>
std::span<const std::uint8_t> RozdelovacRamcu<Hlavicka>::DalsiRamec() {
    while (data_.size() - zacatek_ >= DelkaHlavicky(format_)) {
        const std::span<const std::uint8_t> zbytek =
            std::span<const std::uint8_t>(data_).subspan(zacatek_);
        const std::optional<Hlavicka> h = Cist(zbytek, format_);
        if (!h || !Stejneho(format_, *h)) {
            ++zacatek_;
            ++preskoceno_;
            continue;
        }
        if (zbytek.size() < h->delkaRamce) {
            return {};
        }
        zacatek_ += h->delkaRamce;
        return zbytek.first(h->delkaRamce);
    }
    return {};
}

template <class Hlavicka>
void RozdelovacRamcu<Hlavicka>::Vyprazdnit() {
    data_.clear();
    zacatek_ = 0;
}

template class RozdelovacRamcu<HlavickaMp3>;
template class RozdelovacRamcu<HlavickaAdts>;

} // namespace Vrbatec::Stream
