// What SHA-1 and SHA-256 share: the message cut into blocks of 64 bytes, and padded at its
// end with a one bit, zeros and its length in bits, big-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cd_check {

class ShaBlocks {
public:
    void Add(const void* data, std::size_t size);

protected:
    ShaBlocks() = default;
    ~ShaBlocks() = default;
    // Runs the padding through Compress.
    void Pad();
    virtual void Compress(const std::uint8_t* block) = 0;

    static std::uint32_t BigEndian(const std::uint8_t* bytes);
    // words as the digest's bytes, big-endian.
    static void PutWords(const std::uint32_t* words, std::size_t count, std::uint8_t* out);

private:
    std::uint8_t block_[64] = {};
    std::size_t filled_ = 0;
    std::uint64_t length_ = 0;
};

} // namespace cd_check
