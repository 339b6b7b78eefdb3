// The byte layouts of UDF 1.02 (ECMA-167) that the image's UDF side is made of: descriptor tags
// with their checksums and CRCs, text in OSTA compressed Unicode, times, entity identifiers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace iso_image {
namespace udf {

enum TagId : std::uint16_t {
    kPrimaryVolume = 1,
    kAnchor = 2,
    kImplementationUse = 4,
    kPartition = 5,
    kLogicalVolume = 6,
    kUnallocatedSpace = 7,
    kTerminating = 8,
    kIntegrity = 9,
    kFileSet = 256,
    kFileIdentifier = 257,
    kFileEntry = 261,
};

void Put16(unsigned char* at, std::uint16_t value);
void Put32(unsigned char* at, std::uint32_t value);
void Put64(unsigned char* at, std::uint64_t value);

// Written last, once the descriptor's bytes behind the tag are in place: the CRC covers the
// crcLength bytes after the tag's 16.
void PutTag(unsigned char* at, TagId id, std::uint32_t location, std::size_t crcLength);

// A name as a file identifier holds it: compression 8 when every unit fits in a byte, else 16
// with the units big-endian.
std::string CompressedUnicode(const std::u16string& text);

// A fixed field of size bytes whose last byte tells how many are used; the text is cut to fit,
// a pair of surrogates never split.
void PutDString(unsigned char* at, std::size_t size, const std::u16string& text);

// "OSTA Compressed Unicode", the only character set of UDF.
void PutCharSpec(unsigned char* at);

// In UTC.
void PutTimestamp(unsigned char* at, std::int64_t seconds);

// An entity identifier: flags zero, the identifier, then its suffix of at most 8 bytes.
void PutRegId(unsigned char* at, const char* identifier, const std::string& suffix);

// The suffixes of the domain's and UDF's own identifiers, and of this writer's.
std::string DomainSuffix();
std::string UdfSuffix();
void PutImplementation(unsigned char* at);

} // namespace udf
} // namespace iso_image
