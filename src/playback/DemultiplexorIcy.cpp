#include "playback/DemultiplexorIcy.h"

#include <algorithm>
#include <utility>

namespace Vrbatec::Stream {

void DemultiplexorIcy::Pridat(std::span<const std::uint8_t> bajty, CastStreamu& vystup) {
    if (metaint_ == 0) {
        vystup.zvuk.insert(vystup.zvuk.end(), bajty.begin(), bajty.end());
        return;
    }
    while (!bajty.empty()) {
        switch (faze_) {
        case Faze::Zvuk: {
            const std::size_t n = std::min(zbyvaZvuku_, bajty.size());
            vystup.zvuk.insert(vystup.zvuk.end(), bajty.begin(), bajty.begin() + n);
            bajty = bajty.subspan(n);
            zbyvaZvuku_ -= n;
            if (zbyvaZvuku_ == 0) {
                faze_ = Faze::Delka;
            }
            break;
        }
        case Faze::Delka:
            zbyvaMetadat_ = std::size_t{bajty.front()} * 16;
            bajty = bajty.subspan(1);
            if (zbyvaMetadat_ == 0) {
                faze_ = Faze::Zvuk;
                zbyvaZvuku_ = metaint_;
            } else {
                faze_ = Faze::Metadata;
                blok_.clear();
                blok_.reserve(zbyvaMetadat_);
            }
            break;
        case Faze::Metadata: {
            const std::size_t n = std::min(zbyvaMetadat_, bajty.size());
            blok_.insert(blok_.end(), bajty.begin(), bajty.begin() + n);
            bajty = bajty.subspan(n);
            zbyvaMetadat_ -= n;
            if (zbyvaMetadat_ == 0) {
                vystup.bloky.push_back(std::move(blok_));
                blok_ = {};
                faze_ = Faze::Zvuk;
                zbyvaZvuku_ = metaint_;
            }
            break;
        }
        }
    }
}

} // namespace Vrbatec::Stream
