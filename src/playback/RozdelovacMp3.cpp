#include "playback/RozdelovacMp3.h"

namespace Vrbatec::Stream {

void RozdelovacMp3::Pridat(std::span<const std::uint8_t> bajty) {
    // What was handed out is dropped only now, when the caller is done with it; moving the
    // rest to the front once it is more than half keeps the copying linear.
    if (zacatek_ > 0 && zacatek_ >= data_.size() / 2) {
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(zacatek_));
        zacatek_ = 0;
    }
    data_.insert(data_.end(), bajty.begin(), bajty.end());
}

std::span<const std::uint8_t> RozdelovacMp3::DalsiRamec() {
    while (data_.size() - zacatek_ >= kDelkaHlavickyMp3) {
        const std::span<const std::uint8_t> zbytek =
            std::span<const std::uint8_t>(data_).subspan(zacatek_);
        const std::optional<HlavickaMp3> h = CistHlavickuMp3(zbytek);
        if (!h || !Nas(*h)) {
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

void RozdelovacMp3::Vyprazdnit() {
    data_.clear();
    zacatek_ = 0;
}

bool RozdelovacMp3::Nas(const HlavickaMp3& h) const {
    return h.verze == format_.verze && h.vzorkovaciKmitocet == format_.vzorkovaciKmitocet &&
           h.kanaly == format_.kanaly;
}

} // namespace Vrbatec::Stream
