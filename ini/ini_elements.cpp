#include "ini_elements.h"

#include "ascii_case.h"

#include <algorithm>
#include <climits>

bool operator<(const rtext& left, const rtext& right) {
    return static_cast<const std::string&>(left).compare(right) < 0;
}

bool operator==(const rtext& left, const rtext& right) {
    return ascii_case::Same(left, right);
}

void SortInFileOrder(std::vector<const rtext*>& elements) {
    const auto place = [](const rtext* element) {
        return element->line == 0 ? UINT_MAX : element->line;
    };
    std::stable_sort(
        elements.begin(), elements.end(),
        [&place](const rtext* left, const rtext* right) { return place(left) < place(right); });
}
