#include "stable_order.h"

#include <algorithm>
#include <numeric>

std::vector<unsigned> StableOrder(unsigned count, const void* items, IndexLess less) {
    std::vector<unsigned> order(count);
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [items, less](unsigned left, unsigned right) {
        return less(items, left, right);
    });
    return order;
}
