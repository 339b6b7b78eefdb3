#include "disk_cd_files.h"

#include "cd_tree.h"
#include "check_platform.h"
#include "cp1252.h"

#include <algorithm>
#include <fstream>

namespace cd_check {

namespace {

class DiskBytes : public CdBytes {
public:
    DiskBytes(std::ifstream file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

    std::uint64_t Size() const override { return size_; }

    bool ReadAt(std::uint64_t offset, void* out, std::size_t count) override {
        file_.clear();
        file_.seekg(static_cast<std::streamoff>(offset));
        file_.read(static_cast<char*>(out), static_cast<std::streamsize>(count));
        return file_.gcount() == static_cast<std::streamsize>(count);
    }

private:
    std::ifstream file_;
    std::uint64_t size_;
};

} // namespace

std::string NameInCodePage(const std::filesystem::path& name) {
    return cp1252::Narrowed(check_platform::NameUnits(name));
}

std::vector<std::filesystem::path> NamesLike(const std::filesystem::path& directory,
                                             std::string_view name) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::filesystem::path& path = entries->path();
        if (SameFileName(NameInCodePage(path.filename()), name))
            found.push_back(path);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::filesystem::path DiskCdFiles::PathOf(const CdPath& path) const {
    std::filesystem::path file = root_;
    for (const std::string& key : path)
        file /= check_platform::NameOfKey(key);
    return file;
}

std::vector<CdEntry> DiskCdFiles::List(const CdPath& path, bool& failed) const {
    const std::filesystem::path directory = PathOf(path);
    std::vector<CdEntry> found;
    std::error_code listError;
    std::filesystem::directory_iterator entries(directory, listError);
    for (; !listError && entries != std::filesystem::directory_iterator();
         entries.increment(listError)) {
        const std::filesystem::path name = entries->path().filename();
        CdEntry entry;
        entry.key = check_platform::KeyOf(name);
        entry.name = NameInCodePage(name);
        entry.nameUnits = check_platform::NameUnits(name).size();
        std::error_code kindError;
        entry.directory = std::filesystem::is_directory(entries->path(), kindError);
        const std::filesystem::file_status status =
            std::filesystem::symlink_status(entries->path(), kindError);
        entry.link = entry.directory && (kindError || !std::filesystem::is_directory(status));
        found.push_back(std::move(entry));
    }
    // A file named as if it were a directory has no entries; that is no failure.
    std::error_code kindError;
    if (listError && std::filesystem::is_directory(directory, kindError)) {
        failed = true;
        if (!firstError_)
            firstError_ = listError;
    }
    return found;
}

std::unique_ptr<CdBytes> DiskCdFiles::Open(const CdPath& path) const {
    const std::filesystem::path file = PathOf(path);
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open())
        return nullptr;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return std::make_unique<DiskBytes>(std::move(stream), error ? 0 : size);
}

} // namespace cd_check
