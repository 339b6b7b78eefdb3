#include "pe_signature.h"

#include "pe_headers.h"
#include "sha1.h"
#include "sha256.h"
#include "signed_digest.h"

#include <string>

namespace cd_check {

namespace {

constexpr std::uint32_t kCertificateTableIndex = 4;
constexpr std::uint64_t kCertificateHeaderSize = 8;
// wRevision 0x0200 and wCertificateType 2, PKCS#7 SignedData, read as one number.
constexpr std::uint32_t kRevision2SignedData = 0x00020200;
// Signatures with their chains take a few kilobytes; a larger one is not read into memory.
constexpr std::uint32_t kLargestSignature = 1u << 20;

// Authenticode's digest: the file up to its certificate table, without the CheckSum field and
// without the certificate table's directory entry. False when the file could not be read.
bool HashSigned(ByteSource& bytes, std::uint64_t checkSum, std::uint64_t directoryEntry,
                std::uint64_t tableStart, ShaBlocks& hash) {
    const std::uint64_t ranges[3][2] = {
        {0, checkSum}, {checkSum + 4, directoryEntry}, {directoryEntry + 8, tableStart}};
    char buffer[1 << 14];
    for (const auto& range : ranges) {
        for (std::uint64_t offset = range[0]; offset < range[1];) {
            const std::size_t count =
                range[1] - offset < sizeof buffer ? range[1] - offset : sizeof buffer;
            if (!bytes.Read(offset, buffer, count))
                return false;
            hash.Add(buffer, count);
            offset += count;
        }
    }
    return true;
}

// The digest, or nullopt when the file could not be read.
std::optional<std::string> DigestOf(ByteSource& bytes, DigestAlgorithm algorithm,
                                    std::uint64_t checkSum, std::uint64_t directoryEntry,
                                    std::uint64_t tableStart) {
    Sha1 sha1;
    Sha256 sha256;
    const bool isSha1 = algorithm == DigestAlgorithm::kSha1;
    ShaBlocks& hash = isSha1 ? static_cast<ShaBlocks&>(sha1) : sha256;
    if (!HashSigned(bytes, checkSum, directoryEntry, tableStart, hash))
        return std::nullopt;
    if (isSha1) {
        const Sha1::Digest digest = sha1.Finish();
        return std::string(digest.begin(), digest.end());
    }
    const Sha256::Digest digest = sha256.Finish();
    return std::string(digest.begin(), digest.end());
}

} // namespace

SignatureState ReadSignatureState(ByteSource& bytes) {
    const auto magic = bytes.U16(0);
    const auto headers = magic && *magic == 0x5A4D ? ReadPeHeaders(bytes) : std::nullopt; // "MZ"
    if (!headers)
        return SignatureState::kNotAProgram;
    const auto entry = DataDirectoryEntry(*headers, kCertificateTableIndex);
    if (!entry)
        return SignatureState::kUnsigned;
    const auto tableStart = bytes.U32(*entry);
    const auto tableSize = bytes.U32(*entry + 4);
    if (!tableStart || !tableSize)
        return SignatureState::kNotAProgram;
    if (*tableSize == 0)
        return SignatureState::kUnsigned;
    // The table is the last thing in the file, behind the headers, and holds what it says.
    const auto length = bytes.U32(*tableStart);
    const auto kind = bytes.U32(*tableStart + 4);
    if (*tableStart < headers->sections ||
        std::uint64_t{*tableStart} + *tableSize != bytes.Size() || !length || !kind ||
        *length < kCertificateHeaderSize || *length > *tableSize || *kind != kRevision2SignedData)
        return SignatureState::kBroken;
    const std::uint32_t signatureSize = *length - kCertificateHeaderSize;
    if (signatureSize > kLargestSignature)
        return SignatureState::kNotJudged;
    std::string signature(signatureSize, '\0');
    if (!bytes.Read(*tableStart + kCertificateHeaderSize, signature.data(), signature.size()))
        return SignatureState::kBroken;
    const std::optional<SignedDigest> signedDigest = ReadSignedDigest(signature);
    if (!signedDigest)
        return SignatureState::kBroken;
    if (signedDigest->algorithm == DigestAlgorithm::kOther)
        return SignatureState::kNotJudged;
    const std::optional<std::string> digest =
        DigestOf(bytes, signedDigest->algorithm, CheckSumField(*headers), *entry, *tableStart);
    if (!digest)
        return SignatureState::kNotJudged;
    return *digest == signedDigest->digest ? SignatureState::kFits : SignatureState::kBroken;
}

} // namespace cd_check
