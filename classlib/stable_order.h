// A stable sort shared by every kind of element. Each instance of the library's stable sort
// costs a program kilobytes, and the editor must stay small: callers sort the indices of their
// items through this one instance instead of instancing the sort for their own types.
#pragma once

#include <vector>

// Whether the item at index left of items sorts before the one at index right.
using IndexLess = bool (*)(const void* items, unsigned left, unsigned right);

// The indices 0 to count - 1 in the order that sorts the items; items that neither sorts
// before the other keep their order. Defined out of line: the compiler makes a copy of the sort
// for every file that would see it.
std::vector<unsigned> StableOrder(unsigned count, const void* items, IndexLess less);
