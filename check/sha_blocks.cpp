#include "sha_blocks.h"

#include <cstring>

namespace cd_check {

void ShaBlocks::Add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    length_ += size;
    while (size > 0) {
        const std::size_t part = size < sizeof block_ - filled_ ? size : sizeof block_ - filled_;
        std::memcpy(block_ + filled_, bytes, part);
        filled_ += part;
        bytes += part;
        size -= part;
        if (filled_ == sizeof block_) {
            Compress(block_);
            filled_ = 0;
        }
    }
}

void ShaBlocks::Pad() {
    const std::uint64_t bits = length_ * 8;
    const std::uint8_t one = 0x80;
    Add(&one, 1);
    const std::uint8_t zero = 0;
    while (filled_ != sizeof block_ - 8)
        Add(&zero, 1);
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    Add(length, sizeof length);
}

std::uint32_t ShaBlocks::BigEndian(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

void ShaBlocks::PutWords(const std::uint32_t* words, std::size_t count, std::uint8_t* out) {
    for (std::size_t i = 0; i < count; ++i)
        for (int byte = 0; byte < 4; ++byte)
            out[4 * i + byte] = static_cast<std::uint8_t>(words[i] >> (24 - 8 * byte));
}

} // namespace cd_check
