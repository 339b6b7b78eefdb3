// The texts that the portable rules ask for by id (the INF's names, the check's findings) come
// from the editor's own string table, where its dialogs find them too: linked into the
// program, this stands in for the table as data, a second copy of every text. Each text is
// loaded once and kept while the program runs, as the table's would be.
#include "string_resource.h"
#include "string_table.h"

#include <windows.h>

#include <memory>
#include <string>

namespace {

// The copy's worker thread reads names as well.
class Lock {
public:
    Lock() { InitializeCriticalSection(&section_); }
    ~Lock() { DeleteCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    CRITICAL_SECTION* Get() { return &section_; }

private:
    CRITICAL_SECTION section_;
};

// One text for each id, empty until loaded; the array is made on the first call, as zeros in
// the program's file would cost their size.
std::unique_ptr<std::unique_ptr<char[]>[]> texts;

} // namespace

const char* StringTableText(unsigned id) {
    static Lock lock;
    if (id >= IDS_LIMIT)
        return nullptr;
    EnterCriticalSection(lock.Get());
    if (!texts)
        texts = std::make_unique<std::unique_ptr<char[]>[]>(IDS_LIMIT);
    std::unique_ptr<char[]>& loaded = texts[id];
    if (!loaded) {
        const std::string text = LoadResourceString(id);
        loaded = std::make_unique<char[]>(text.size() + 1);
        text.copy(loaded.get(), text.size());
    }
    LeaveCriticalSection(lock.Get());
    // The table holds no empty text: an empty one is an id it lacks.
    return loaded[0] != '\0' ? loaded.get() : nullptr;
}
