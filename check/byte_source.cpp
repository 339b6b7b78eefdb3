#include "byte_source.h"

#include <cstring>
#include <system_error>

namespace cd_check {

ByteSource::ByteSource(const std::filesystem::path& file)
    : file_(file, std::ios::binary), inMemory_(false) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (file_.is_open() && !error)
        size_ = size;
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
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(static_cast<char*>(out), static_cast<std::streamsize>(count));
    return file_.gcount() == static_cast<std::streamsize>(count);
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
