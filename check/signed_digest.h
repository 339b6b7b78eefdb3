// The digest that an Authenticode signature holds for its file: in the PKCS#7 SignedData of
// the file's certificate table, the DigestInfo of its SpcIndirectDataContent. Nothing else of
// the signature is read: neither its certificates nor whether the signer's signature over the
// digest holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cd_check {

enum class DigestAlgorithm { kSha1, kSha256, kOther };

struct SignedDigest {
    DigestAlgorithm algorithm = DigestAlgorithm::kOther;
    std::string digest;
};

// nullopt when pkcs7 is not a SignedData with that content.
std::optional<SignedDigest> ReadSignedDigest(std::string_view pkcs7);

} // namespace cd_check
