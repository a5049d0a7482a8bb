#include "playback/RezervaSpojeni.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>

namespace Vrbatec::Stream {

RezervaSpojeni::RezervaSpojeni(std::unique_ptr<SpojeniStreamu> spojeni, std::size_t limit)
    : spojeni_(std::move(spojeni)), limit_(std::max(limit, kKus)) {}

RezervaSpojeni::~RezervaSpojeni() {
    Zrusit();
    if (vlakno_.joinable()) {
        vlakno_.join();
    }
}

HRESULT RezervaSpojeni::Otevrit(const PozadavekStreamu& pozadavek) {
    const HRESULT hr = spojeni_->Otevrit(pozadavek);
    if (FAILED(hr)) {
        return hr;
    }
    try {
        vlakno_ = std::thread([this] { CistDopredu(); });
    } catch (const std::system_error& chyba) {
        return HRESULT_FROM_WIN32(static_cast<DWORD>(chyba.code().value()));
    }
    return S_OK;
}

HRESULT RezervaSpojeni::Cist(std::span<std::uint8_t> kam, std::size_t& precteno) {
    precteno = 0;
    std::unique_lock zamek(mutex_);
    zmena_.wait(zamek, [&] { return zruseno_ || zacatek_ < data_.size() || konec_ != S_OK; });
    if (zruseno_) {
        return ChybaZruseno;
    }
    if (zacatek_ == data_.size()) {
        return konec_;
    }
    precteno = std::min(kam.size(), data_.size() - zacatek_);
    const auto od = data_.begin() + static_cast<std::ptrdiff_t>(zacatek_);
    std::copy(od, od + static_cast<std::ptrdiff_t>(precteno), kam.begin());
    zacatek_ += precteno;
    // Moved down only once half is taken, so each byte is moved a few times at most.
    if (zacatek_ * 2 >= data_.size()) {
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(zacatek_));
        zacatek_ = 0;
    }
    zmena_.notify_all();
    return S_OK;
}

void RezervaSpojeni::Zrusit() noexcept {
    {
        const std::lock_guard zamek(mutex_);
        zruseno_ = true;
    }
    spojeni_->Zrusit();
    zmena_.notify_all();
}

void RezervaSpojeni::NastavitLimit(std::size_t bajtu) {
    {
        const std::lock_guard zamek(mutex_);
        limit_ = std::max(bajtu, kKus);
    }
    zmena_.notify_all();
}

std::size_t RezervaSpojeni::Cekajicich() const {
    const std::lock_guard zamek(mutex_);
    return data_.size() - zacatek_;
}

void RezervaSpojeni::CistDopredu() noexcept {
    std::array<std::uint8_t, kKus> kus{};
    while (true) {
        {
            std::unique_lock zamek(mutex_);
            zmena_.wait(zamek, [&] { return zruseno_ || data_.size() - zacatek_ < limit_; });
            if (zruseno_) {
                return;
            }
        }
        std::size_t precteno = 0;
        const HRESULT hr = spojeni_->Cist(kus, precteno);
        {
            const std::lock_guard zamek(mutex_);
            if (hr == S_OK) {
                try {
                    data_.insert(data_.end(), kus.begin(),
                                 kus.begin() + static_cast<std::ptrdiff_t>(precteno));
                } catch (const std::bad_alloc&) {
                    konec_ = E_OUTOFMEMORY;
                }
            } else {
                konec_ = hr;
            }
        }
        zmena_.notify_all();
        if (hr != S_OK) {
            return;
        }
        const std::lock_guard zamek(mutex_);
        if (konec_ != S_OK) {
            return;
        }
    }
}

} // namespace Vrbatec::Stream
