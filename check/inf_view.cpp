#include "inf_view.h"

#include "value_quotes.h"

#include <algorithm>
#include <string>

namespace cd_check {

namespace {

template <typename Element> void SortByLine(std::vector<const Element*>& elements) {
    std::stable_sort(
        elements.begin(), elements.end(),
        [](const Element* left, const Element* right) { return left->line < right->line; });
}

} // namespace

bool SameName(std::string_view left, std::string_view right) {
    return rtext(std::string(left)) == rtext(std::string(right));
}

InfView::InfView(const INIFile& document, bool firstLineLost) {
    const auto& all = document.Sections();
    for (unsigned index = 0; index < all.GetItemsInContainer(); ++index) {
        const section& part = all[index];
        if (!(firstLineLost && part.line == 1))
            sections_.push_back(&part);
    }
    SortByLine(sections_);
}

const section* InfView::Find(std::string_view name) const {
    for (const section* part : sections_)
        if (SameName(*part, name))
            return part;
    return nullptr;
}

std::vector<const entry*> InfView::EntriesInFileOrder(const section& part) {
    std::vector<const entry*> entries;
    for (unsigned index = 0; index < part.entries.GetItemsInContainer(); ++index)
        entries.push_back(&part.entries[index]);
    SortByLine(entries);
    return entries;
}

const entry* InfView::Find(const section& part, std::string_view key) {
    const entry* first = nullptr;
    for (unsigned index = 0; index < part.entries.GetItemsInContainer(); ++index) {
        const entry& candidate = part.entries[index];
        if (SameName(candidate, key) && (first == nullptr || candidate.line < first->line))
            first = &candidate;
    }
    return first;
}

std::string_view InfView::ValueOf(const section& part, std::string_view key) {
    const entry* found = Find(part, key);
    return found != nullptr ? value_quotes::WithoutEnclosingQuotes(found->value)
                            : std::string_view();
}

} // namespace cd_check
