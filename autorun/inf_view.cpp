#include "inf_view.h"

#include "ascii_case.h"

namespace autorun {

namespace {

// The white space that the reader trims off a value.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

} // namespace

InfView::InfView(const INIFile& document, bool firstLineLost) {
    const auto& all = document.Sections();
    for (unsigned index = 0; index < all.GetItemsInContainer(); ++index) {
        const section& part = all[index];
        if (!(firstLineLost && part.line == 1))
            sections_.push_back(&part);
    }
    // An element added since comes behind every one read, as the document's own lookups take it.
    SortInFileOrder(sections_.data(), sections_.data() + sections_.size());
    for (const section* part : sections_) {
        // In file order, so the first of a name is the one that stays.
        firstSections_.emplace(ascii_case::KeyOf(*part), part);
        Keys& keys = keys_[part];
        for (unsigned index = 0; index < part->entries.GetItemsInContainer(); ++index)
            keys.inFileOrder.push_back(&part->entries[index]);
        SortInFileOrder(keys.inFileOrder.data(), keys.inFileOrder.data() + keys.inFileOrder.size());
        for (const entry* item : keys.inFileOrder)
            keys.first.emplace(ascii_case::KeyOf(*item), item);
    }
}

const section* InfView::Find(std::string_view name) const {
    const auto found = firstSections_.find(ascii_case::KeyOf(name));
    return found != firstSections_.end() ? found->second : nullptr;
}

const std::vector<const entry*>& InfView::EntriesInFileOrder(const section& part) const {
    return keys_.at(&part).inFileOrder;
}

const entry* InfView::Find(const section& part, std::string_view key) const {
    const std::unordered_map<std::string, const entry*>& first = keys_.at(&part).first;
    const auto found = first.find(ascii_case::KeyOf(key));
    return found != first.end() ? found->second : nullptr;
}

InfView::~InfView() = default;

std::string_view InfView::ValueOf(const section& part, std::string_view key) const {
    const entry* found = Find(part, key);
    return found != nullptr ? found->value : std::string_view();
}

std::string_view InfView::WrittenValue(const entry& item) {
    // The line as read holds the key, the "=" and the value; a key holds no "=".
    const std::size_t equals = item.asRead.find('=');
    if (equals == std::string::npos)
        return item.value;
    std::string_view written = std::string_view(item.asRead).substr(equals + 1);
    while (!written.empty() && IsWhiteSpace(written.front()))
        written.remove_prefix(1);
    while (!written.empty() && IsWhiteSpace(written.back()))
        written.remove_suffix(1);
    return written;
}

} // namespace autorun
