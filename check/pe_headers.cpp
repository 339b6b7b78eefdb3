#include "pe_headers.h"

namespace cd_check {

namespace {

constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint32_t kPeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint64_t kFileHeaderSize = 20;

} // namespace

std::optional<PeHeaders> ReadPeHeaders(ByteSource& bytes) {
    const auto peHeader = bytes.U32(kNewHeaderPointer);
    const auto signature = peHeader ? bytes.U32(*peHeader) : std::nullopt;
    if (!signature || *signature != kPeSignature)
        return std::nullopt;
    const auto sectionCount = bytes.U16(*peHeader + 4 + 2);
    const auto optionalSize = bytes.U16(*peHeader + 4 + 16);
    PeHeaders headers;
    headers.optional = *peHeader + 4 + kFileHeaderSize;
    const auto magic = bytes.U16(headers.optional);
    if (!sectionCount || !optionalSize || !magic)
        return std::nullopt;
    std::uint64_t countField = 0;
    if (*magic == kPe32Magic)
        countField = 92;
    else if (*magic == kPe32PlusMagic)
        countField = 108;
    else
        return std::nullopt;
    const auto directoryCount = bytes.U32(headers.optional + countField);
    if (!directoryCount)
        return std::nullopt;
    headers.directories = headers.optional + countField + 4;
    headers.directoryCount = *directoryCount;
    headers.sections = headers.optional + *optionalSize;
    headers.sectionCount = *sectionCount;
    return headers;
}

std::optional<std::uint64_t> DataDirectoryEntry(const PeHeaders& headers, std::uint32_t index) {
    const std::uint64_t entry = headers.directories + std::uint64_t{index} * 8;
    // The data directories must lie inside the optional header the file header announces.
    if (index >= headers.directoryCount || entry + 8 > headers.sections)
        return std::nullopt;
    return entry;
}

} // namespace cd_check
