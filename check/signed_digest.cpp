#include "signed_digest.h"

#include "der_reader.h"

namespace cd_check {

namespace {

// Object identifiers as DER writes their content.
// 1.2.840.113549.1.7.2, PKCS#7 signedData
constexpr std::string_view kSignedData("\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02", 9);
// 1.3.6.1.4.1.311.2.1.4, SPC_INDIRECT_DATA_OBJID
constexpr std::string_view kSpcIndirectData("\x2B\x06\x01\x04\x01\x82\x37\x02\x01\x04", 10);
// 1.3.14.3.2.26
constexpr std::string_view kSha1("\x2B\x0E\x03\x02\x1A", 5);
// 2.16.840.1.101.3.4.2.1
constexpr std::string_view kSha256("\x60\x86\x48\x01\x65\x03\x04\x02\x01", 9);

// The content of the [0] behind a ContentInfo's type, when that type is contentType.
bool ReadContent(std::string_view contentInfo, std::string_view contentType,
                 std::string_view& content) {
    std::string_view type;
    return ReadDerContent(contentInfo, der_tag::kObjectId, type) && type == contentType &&
           ReadDerContent(contentInfo, der_tag::kContextZero, content);
}

} // namespace

std::optional<SignedDigest> ReadSignedDigest(std::string_view pkcs7) {
    using namespace der_tag;
    std::string_view contentInfo, wrapped, signedData, skipped, signedContent, indirect,
        indirectData, digestInfo, algorithmId, algorithm, digest;
    // ContentInfo, its SignedData: version, digestAlgorithms, then the content signed, an
    // SpcIndirectDataContent: the kind of file signed, then its DigestInfo.
    if (!ReadDerContent(pkcs7, kSequence, contentInfo) ||
        !ReadContent(contentInfo, kSignedData, wrapped) ||
        !ReadDerContent(wrapped, kSequence, signedData) ||
        !ReadDerContent(signedData, kInteger, skipped) ||
        !ReadDerContent(signedData, kSet, skipped) ||
        !ReadDerContent(signedData, kSequence, signedContent) ||
        !ReadContent(signedContent, kSpcIndirectData, indirect) ||
        !ReadDerContent(indirect, kSequence, indirectData) ||
        !ReadDerContent(indirectData, kSequence, skipped) ||
        !ReadDerContent(indirectData, kSequence, digestInfo) ||
        !ReadDerContent(digestInfo, kSequence, algorithmId) ||
        !ReadDerContent(algorithmId, kObjectId, algorithm) ||
        !ReadDerContent(digestInfo, kOctetString, digest))
        return std::nullopt;
    SignedDigest signedDigest;
    if (algorithm == kSha1)
        signedDigest.algorithm = DigestAlgorithm::kSha1;
    else if (algorithm == kSha256)
        signedDigest.algorithm = DigestAlgorithm::kSha256;
    signedDigest.digest = std::string(digest);
    return signedDigest;
}

} // namespace cd_check
