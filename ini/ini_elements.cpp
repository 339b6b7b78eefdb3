#include "ini_elements.h"

#include "ascii_case.h"

#include "stable_order.h"

#include <climits>

bool operator<(const rtext& left, const rtext& right) {
    return static_cast<const std::string&>(left).compare(right) < 0;
}

bool operator==(const rtext& left, const rtext& right) {
    return ascii_case::Same(left, right);
}

bool NameBefore(const rtext& left, const rtext& right) {
    return ascii_case::Before(left, right);
}

const WideTexts rtext::kNoWideTexts;

void rtext::SetWide(WideTexts texts) {
    if (texts.text.empty() && texts.comment.empty() && texts.asRead.empty() && texts.value.empty())
        wide_.reset();
    else
        wide_ = std::make_unique<WideTexts>(std::move(texts));
}

void SortInFileOrder(std::vector<const rtext*>& elements) {
    const auto placedBefore = [](const void* items, unsigned left, unsigned right) {
        const auto& sorted = *static_cast<const std::vector<const rtext*>*>(items);
        const auto place = [](const rtext* element) {
            return element->line == 0 ? UINT_MAX : element->line;
        };
        return place(sorted[left]) < place(sorted[right]);
    };
    std::vector<const rtext*> ordered;
    ordered.reserve(elements.size());
    for (unsigned index :
         StableOrder(static_cast<unsigned>(elements.size()), &elements, placedBefore))
        ordered.push_back(elements[index]);
    elements = std::move(ordered);
}
