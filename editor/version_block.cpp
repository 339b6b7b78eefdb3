#include "version_block.h"

namespace version_block {

namespace {

// The block starts with its length, the length of its value and its type (three 16-bit words),
// then its key in UTF-16 with a terminator, padded to a 32-bit boundary; the value, the fixed
// part, follows.
constexpr std::size_t kKeyOffset = 6;
constexpr char kKey[] = "VS_VERSION_INFO";
constexpr unsigned long kFixedSignature = 0xFEEF04BDul;
// The fixed part: signature, structure version, then the file version's high and low halves.
constexpr std::size_t kFixedSize = 52;
constexpr std::size_t kFileVersionOffset = 8;

unsigned Word(const unsigned char* bytes) {
    return static_cast<unsigned>(bytes[0]) | static_cast<unsigned>(bytes[1]) << 8;
}

unsigned long DoubleWord(const unsigned char* bytes) {
    return static_cast<unsigned long>(Word(bytes)) | static_cast<unsigned long>(Word(bytes + 2))
                                                         << 16;
}

} // namespace

std::optional<FileVersion> FileVersionOf(const unsigned char* block, std::size_t size) {
    constexpr std::size_t keyLength = sizeof kKey; // with its terminator
    const std::size_t valueOffset = (kKeyOffset + 2 * keyLength + 3) / 4 * 4;
    if (block == nullptr || size < valueOffset + kFixedSize)
        return std::nullopt;
    if (Word(block) > size || Word(block + 2) < kFixedSize)
        return std::nullopt;
    for (std::size_t index = 0; index < keyLength; ++index) {
        if (Word(block + kKeyOffset + 2 * index) != static_cast<unsigned char>(kKey[index]))
            return std::nullopt;
    }
    const unsigned char* fixed = block + valueOffset;
    if (DoubleWord(fixed) != kFixedSignature)
        return std::nullopt;
    const unsigned char* fileVersion = fixed + kFileVersionOffset;
    FileVersion version;
    version.major = Word(fileVersion + 2);
    version.minor = Word(fileVersion);
    version.patch = Word(fileVersion + 6);
    version.build = Word(fileVersion + 4);
    return version;
}

std::string FormatVersion(const FileVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.patch) + "." + std::to_string(version.build);
}

} // namespace version_block
