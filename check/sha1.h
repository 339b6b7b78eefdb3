// SHA-1 (FIPS 180-4), for the digests of older Authenticode signatures.
#pragma once

#include "sha_blocks.h"

#include <array>

namespace cd_check {

class Sha1 final : public ShaBlocks {
public:
    using Digest = std::array<std::uint8_t, 20>;
    Digest Finish();

private:
    void Compress(const std::uint8_t* block) override;

    std::uint32_t state_[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
};

} // namespace cd_check
