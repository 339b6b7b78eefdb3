#include "sha256.h"

namespace cd_check {

namespace {

const std::uint32_t kRoundConstants[64] = {
    0x428A2F98u, 0x71374491u, 0xB5C0FBCFu, 0xE9B5DBA5u, 0x3956C25Bu, 0x59F111F1u, 0x923F82A4u,
    0xAB1C5ED5u, 0xD807AA98u, 0x12835B01u, 0x243185BEu, 0x550C7DC3u, 0x72BE5D74u, 0x80DEB1FEu,
    0x9BDC06A7u, 0xC19BF174u, 0xE49B69C1u, 0xEFBE4786u, 0x0FC19DC6u, 0x240CA1CCu, 0x2DE92C6Fu,
    0x4A7484AAu, 0x5CB0A9DCu, 0x76F988DAu, 0x983E5152u, 0xA831C66Du, 0xB00327C8u, 0xBF597FC7u,
    0xC6E00BF3u, 0xD5A79147u, 0x06CA6351u, 0x14292967u, 0x27B70A85u, 0x2E1B2138u, 0x4D2C6DFCu,
    0x53380D13u, 0x650A7354u, 0x766A0ABBu, 0x81C2C92Eu, 0x92722C85u, 0xA2BFE8A1u, 0xA81A664Bu,
    0xC24B8B70u, 0xC76C51A3u, 0xD192E819u, 0xD6990624u, 0xF40E3585u, 0x106AA070u, 0x19A4C116u,
    0x1E376C08u, 0x2748774Cu, 0x34B0BCB5u, 0x391C0CB3u, 0x4ED8AA4Au, 0x5B9CCA4Fu, 0x682E6FF3u,
    0x748F82EEu, 0x78A5636Fu, 0x84C87814u, 0x8CC70208u, 0x90BEFFFAu, 0xA4506CEBu, 0xBEF9A3F7u,
    0xC67178F2u};

std::uint32_t RotateRight(std::uint32_t value, int bits) {
    return value >> bits | value << (32 - bits);
}

} // namespace

void Sha256::Compress(const std::uint8_t* block) {
    std::uint32_t w[64];
    for (int t = 0; t < 16; ++t)
        w[t] = BigEndian(block + 4 * t);
    for (int t = 16; t < 64; ++t) {
        const std::uint32_t s0 =
            RotateRight(w[t - 15], 7) ^ RotateRight(w[t - 15], 18) ^ (w[t - 15] >> 3);
        const std::uint32_t s1 =
            RotateRight(w[t - 2], 17) ^ RotateRight(w[t - 2], 19) ^ (w[t - 2] >> 10);
        w[t] = w[t - 16] + s0 + w[t - 7] + s1;
    }
    std::uint32_t v[8];
    for (int i = 0; i < 8; ++i)
        v[i] = state_[i];
    for (int t = 0; t < 64; ++t) {
        const std::uint32_t e = v[4];
        const std::uint32_t a = v[0];
        const std::uint32_t s1 = RotateRight(e, 6) ^ RotateRight(e, 11) ^ RotateRight(e, 25);
        const std::uint32_t choice = (e & v[5]) ^ (~e & v[6]);
        const std::uint32_t t1 = v[7] + s1 + choice + kRoundConstants[t] + w[t];
        const std::uint32_t s0 = RotateRight(a, 2) ^ RotateRight(a, 13) ^ RotateRight(a, 22);
        const std::uint32_t majority = (a & v[1]) ^ (a & v[2]) ^ (v[1] & v[2]);
        for (int i = 7; i > 0; --i)
            v[i] = v[i - 1];
        v[4] += t1;
        v[0] = t1 + s0 + majority;
    }
    for (int i = 0; i < 8; ++i)
        state_[i] += v[i];
}

Sha256::Digest Sha256::Finish() {
    Pad();
    Digest digest;
    PutWords(state_, 8, digest.data());
    return digest;
}

} // namespace cd_check
