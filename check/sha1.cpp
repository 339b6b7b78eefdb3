#include "sha1.h"

namespace cd_check {

namespace {

std::uint32_t Rotate(std::uint32_t value, int bits) {
    return value << bits | value >> (32 - bits);
}

} // namespace

void Sha1::Compress(const std::uint8_t* block) {
    std::uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = BigEndian(block + 4 * t);
    for (int t = 16; t < 80; ++t)
        w[t] = Rotate(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    for (int t = 0; t < 80; ++t) {
        std::uint32_t f, k;
        if (t < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999u;
        } else if (t < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1u;
        } else if (t < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDCu;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6u;
        }
        const std::uint32_t next = Rotate(a, 5) + f + e + k + w[t];
        e = d;
        d = c;
        c = Rotate(b, 30);
        b = a;
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
}

Sha1::Digest Sha1::Finish() {
    Pad();
    Digest digest;
    PutWords(state_, 5, digest.data());
    return digest;
}

} // namespace cd_check
