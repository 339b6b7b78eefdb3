#include "byte_source.h"

#include <cstring>
#include <utility>

namespace cd_check {

ByteSource::ByteSource(std::unique_ptr<CdBytes> file) : file_(std::move(file)), inMemory_(false) {
    if (file_ != nullptr)
        size_ = file_->Size();
}

ByteSource::ByteSource(std::string bytes)
    : memory_(std::move(bytes)), inMemory_(true), size_(memory_.size()) {}

bool ByteSource::Read(std::uint64_t offset, void* out, std::size_t count) {
    if (offset > size_ || count > size_ - offset)
        return false;
    if (count == 0)
        return true;
    if (inMemory_) {
        std::memcpy(out, memory_.data() + offset, count);
        return true;
    }
    return file_ != nullptr && file_->ReadAt(offset, out, count);
}

std::optional<std::uint16_t> ByteSource::U16(std::uint64_t offset) {
    unsigned char bytes[2];
    if (!Read(offset, bytes, sizeof bytes))
        return std::nullopt;
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::optional<std::uint32_t> ByteSource::U32(std::uint64_t offset) {
    unsigned char bytes[4];
    if (!Read(offset, bytes, sizeof bytes))
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace cd_check
