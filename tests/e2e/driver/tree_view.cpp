#include "tree_view.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr int kTextCapacity = 260;
// The tree item and its text, as they lie in the other process.
struct RemoteItem {
    TVITEMW item;
    wchar_t text[kTextCapacity];
};

struct HandleClose {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// A RemoteItem in the memory of the tree's process, released with the object.
class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND tree) {
        DWORD processId = 0;
        GetWindowThreadProcessId(tree, &processId);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                   processId));
        if (process_)
            memory_ = static_cast<RemoteItem*>(VirtualAllocEx(
                process_.get(), nullptr, sizeof(RemoteItem), MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (memory_ != nullptr)
            VirtualFreeEx(process_.get(), memory_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool usable() const { return memory_ != nullptr; }

    std::string TextOf(HWND tree, HTREEITEM handle) {
        RemoteItem local = {};
        local.item.mask = TVIF_TEXT;
        local.item.hItem = handle;
        local.item.pszText = memory_->text;
        local.item.cchTextMax = kTextCapacity;
        if (!WriteProcessMemory(process_.get(), memory_, &local, sizeof local, nullptr))
            return "";
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&memory_->item));
        if (!ReadProcessMemory(process_.get(), memory_, &local, sizeof local, nullptr))
            return "";
        local.text[kTextCapacity - 1] = L'\0';
        char text[kTextCapacity * 2] = "";
        WideCharToMultiByte(1252, 0, local.text, -1, text, sizeof text, nullptr, nullptr);
        return text;
    }

private:
    std::unique_ptr<void, HandleClose> process_;
    RemoteItem* memory_ = nullptr;
};

HTREEITEM Next(HWND tree, HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void Collect(HWND tree, RemoteBuffer& buffer, HTREEITEM first, std::vector<std::string>& texts) {
    for (HTREEITEM item = first; item != nullptr; item = Next(tree, item, TVGN_NEXT)) {
        texts.push_back(buffer.TextOf(tree, item));
        Collect(tree, buffer, Next(tree, item, TVGN_CHILD), texts);
    }
}

} // namespace

std::vector<std::string> TreeViewItems(HWND tree) {
    std::vector<std::string> texts;
    RemoteBuffer buffer(tree);
    if (buffer.usable())
        Collect(tree, buffer, Next(tree, nullptr, TVGN_ROOT), texts);
    return texts;
}
