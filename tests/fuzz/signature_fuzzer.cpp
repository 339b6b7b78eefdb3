// Any bytes as a program the INF starts: reading its signature must keep within the bytes,
// whether they reach the DER reader through a certificate table or directly, and a digest
// read from a signature is never longer than the signature.
#include "pe_signature.h"
#include "signed_digest.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    cd_check::ByteSource bytes(input);
    cd_check::ReadSignatureState(bytes);
    const auto signedDigest = cd_check::ReadSignedDigest(input);
    if (signedDigest && signedDigest->digest.size() > size) {
        std::fprintf(stderr, "broken promise: a digest longer than its signature\n");
        std::abort();
    }
    return 0;
}
