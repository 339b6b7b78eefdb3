#include "file_help.h"

#include "classic_file.h"
#include "wait_cursor.h"

namespace {

// The classic write takes at most this many bytes at a time.
const UINT kLargestWrite = 0xFFFF;

// Keeps a loaded resource for the scope and releases it on the way out.
class LoadedResource {
public:
    LoadedResource(HMODULE module, HRSRC found)
        : data_(LoadResource(module, found)), size_(SizeofResource(module, found)) {}
    ~LoadedResource() {
        if (data_ != nullptr)
            FreeResource(data_);
    }
    LoadedResource(const LoadedResource&) = delete;
    LoadedResource& operator=(const LoadedResource&) = delete;

    const char* Bytes() const {
        return data_ == nullptr ? nullptr : static_cast<const char*>(LockResource(data_));
    }
    DWORD Size() const { return size_; }

private:
    HGLOBAL data_;
    DWORD size_;
};

bool WriteAll(HFILE file, const char* bytes, DWORD size) {
    for (DWORD written = 0; written < size;) {
        const UINT chunk = size - written < kLargestWrite ? size - written : kLargestWrite;
        if (_lwrite(file, bytes + written, chunk) != chunk)
            return false;
        written += chunk;
    }
    return true;
}

} // namespace

int FileHelp::WriteResourceToFile(const char* type, unsigned id, const char* target) {
    const HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    if (found == nullptr || target == nullptr)
        return 0;
    const WaitCursor waitCursor;

    // The data is fetched before the file is made: an empty or cut file in its place would
    // pass for the real one later on.
    const LoadedResource resource(module_, found);
    const char* bytes = resource.Bytes();
    if (bytes == nullptr || resource.Size() == 0)
        return 0;

    ClassicFile file(target, OF_CREATE);
    if (!file.IsOpen())
        return 0;
    const bool written = WriteAll(file.Handle(), bytes, resource.Size());
    file.Close();
    if (!written) {
        DeleteFileA(target);
        return 0;
    }
    return 1;
}
