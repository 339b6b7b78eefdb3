#include "tree_view.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr int kTextCapacity = 260;

// TVITEMW as a 32-bit process lays it out: the shipped editor is an i686 program, and the
// tree view of its help window reads the request in its own layout.
struct TreeItem32 {
    UINT mask;
    DWORD hItem;
    UINT state;
    UINT stateMask;
    DWORD pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    DWORD lParam;
};

// The tree item and its text, as they lie in the other process.
template <typename Item> struct RemoteItem {
    Item item;
    wchar_t text[kTextCapacity];
};

struct HandleClose {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// A place for a RemoteItem in the memory of the tree's process, released with the object.
class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND tree) {
        DWORD processId = 0;
        GetWindowThreadProcessId(tree, &processId);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                       PROCESS_QUERY_INFORMATION,
                                   FALSE, processId));
        if (!process_)
            return;
        BOOL wow64 = FALSE;
        thirtyTwoBit_ = sizeof(void*) == 4 || (IsWow64Process(process_.get(), &wow64) && wow64);
        memory_ = static_cast<char*>(VirtualAllocEx(
            process_.get(), nullptr, sizeof(RemoteItem<TVITEMW>), MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (memory_ != nullptr)
            VirtualFreeEx(process_.get(), memory_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool usable() const { return memory_ != nullptr; }

    std::string TextOf(HWND tree, HTREEITEM handle) {
        return thirtyTwoBit_ ? TextOf<TreeItem32>(tree, handle) : TextOf<TVITEMW>(tree, handle);
    }

private:
    template <typename Item> std::string TextOf(HWND tree, HTREEITEM handle) {
        using Remote = RemoteItem<Item>;
        Remote local = {};
        local.item.mask = TVIF_TEXT;
        local.item.cchTextMax = kTextCapacity;
        auto* remote = reinterpret_cast<Remote*>(memory_);
        SetItemAndText(local.item, handle, remote->text);
        if (!WriteProcessMemory(process_.get(), remote, &local, sizeof local, nullptr))
            return "";
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&remote->item));
        if (!ReadProcessMemory(process_.get(), remote, &local, sizeof local, nullptr))
            return "";
        local.text[kTextCapacity - 1] = L'\0';
        char text[kTextCapacity * 2] = "";
        WideCharToMultiByte(1252, 0, local.text, -1, text, sizeof text, nullptr, nullptr);
        return text;
    }

    static void SetItemAndText(TVITEMW& item, HTREEITEM handle, wchar_t* text) {
        item.hItem = handle;
        item.pszText = text;
    }
    // The other process's addresses and handles fit in 32 bits there.
    static void SetItemAndText(TreeItem32& item, HTREEITEM handle, wchar_t* text) {
        item.hItem = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(handle));
        item.pszText = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(text));
    }

    std::unique_ptr<void, HandleClose> process_;
    char* memory_ = nullptr;
    bool thirtyTwoBit_ = false;
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
