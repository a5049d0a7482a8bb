// Separates a stream with in-band titles into its sound and its metadata blocks.
//
// After every `metaint` bytes of sound the server puts one length byte L and then L * 16
// bytes of metadata (at most 4080). Bytes come in pieces cut anywhere, also inside the length
// byte's block, so the position in this pattern is carried from piece to piece. An empty
// block (L = 0) means the title has not changed and is not reported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Vrbatec::Stream {

inline constexpr std::size_t kNejdelsiBlokMetadat = 255 * 16;

struct CastStreamu {
    std::vector<std::uint8_t> zvuk;
    std::vector<std::vector<std::uint8_t>> bloky; // complete, non-empty blocks in order
};

class DemultiplexorIcy {
public:
    // 0: the stream has no metadata, every byte is sound.
    explicit DemultiplexorIcy(std::uint32_t metaint) : metaint_(metaint), zbyvaZvuku_(metaint) {}

    // Appends this piece's sound and completed blocks to `vystup`.
    void Pridat(std::span<const std::uint8_t> bajty, CastStreamu& vystup);

private:
    enum class Faze { Zvuk, Delka, Metadata };

    std::uint32_t metaint_;
    std::size_t zbyvaZvuku_;
    Faze faze_ = Faze::Zvuk;
    std::size_t zbyvaMetadat_ = 0;
    std::vector<std::uint8_t> blok_;
};

} // namespace Vrbatec::Stream
