// SHA-256 (FIPS 180-4), for the digests of Authenticode signatures.
#pragma once

#include "sha_blocks.h"

#include <array>

namespace cd_check {

class Sha256 final : public ShaBlocks {
public:
    using Digest = std::array<std::uint8_t, 32>;
    Digest Finish();

private:
    void Compress(const std::uint8_t* block) override;

    std::uint32_t state_[8] = {0x6A09E667u, 0xBB67AE85u, 0x3C6EF372u, 0xA54FF53Au,
                               0x510E527Fu, 0x9B05688Cu, 0x1F83D9ABu, 0x5BE0CD19u};
};

} // namespace cd_check
