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
std::optional<std::string_view> ContentOf(std::string_view contentInfo,
                                          std::string_view contentType) {
    const auto type = ReadDerContent(contentInfo, der_tag::kObjectId);
    if (!type || *type != contentType)
        return std::nullopt;
    return ReadDerContent(contentInfo, der_tag::kContextZero);
}

} // namespace

std::optional<SignedDigest> ReadSignedDigest(std::string_view pkcs7) {
    auto contentInfo = ReadDerContent(pkcs7, der_tag::kSequence);
    const auto wrapped = contentInfo ? ContentOf(*contentInfo, kSignedData) : std::nullopt;
    std::string_view rest = wrapped.value_or(std::string_view());
    auto signedData = ReadDerContent(rest, der_tag::kSequence);
    if (!signedData)
        return std::nullopt;
    // version, digestAlgorithms, then the signed content.
    if (!ReadDerContent(*signedData, der_tag::kInteger) ||
        !ReadDerContent(*signedData, der_tag::kSet))
        return std::nullopt;
    const auto signedContent = ReadDerContent(*signedData, der_tag::kSequence);
    auto indirect = signedContent ? ContentOf(*signedContent, kSpcIndirectData) : std::nullopt;
    rest = indirect.value_or(std::string_view());
    // SpcIndirectDataContent: the kind of file signed, then its DigestInfo.
    auto indirectData = ReadDerContent(rest, der_tag::kSequence);
    if (!indirectData || !ReadDerContent(*indirectData, der_tag::kSequence))
        return std::nullopt;
    auto digestInfo = ReadDerContent(*indirectData, der_tag::kSequence);
    if (!digestInfo)
        return std::nullopt;
    auto algorithmId = ReadDerContent(*digestInfo, der_tag::kSequence);
    const auto algorithm =
        algorithmId ? ReadDerContent(*algorithmId, der_tag::kObjectId) : std::nullopt;
    const auto digest = ReadDerContent(*digestInfo, der_tag::kOctetString);
    if (!algorithm || !digest)
        return std::nullopt;
    SignedDigest signedDigest;
    if (*algorithm == kSha1)
        signedDigest.algorithm = DigestAlgorithm::kSha1;
    else if (*algorithm == kSha256)
        signedDigest.algorithm = DigestAlgorithm::kSha256;
    signedDigest.digest = std::string(*digest);
    return signedDigest;
}

} // namespace cd_check
