// An owning array kept sorted by the elements' operator<. Elements that are equal in that
// order keep the order in which they were added, and duplicates are allowed.
//
// Lookups ask two questions of an element: whether it sorts before the wanted key
// (element < key) and whether it is the wanted one (element == key). The second may be
// looser than the order, as for names that match without regard to letter case; a binary
// search steered by the order can then step past a match, so a miss is confirmed by a
// linear search.
#pragma once

#include "indirect_array.h"

#include <algorithm>
#include <cassert>
#include <memory>
#include <utility>

template <class T> class TISArrayAsVector {
public:
    using Items = typename TIArrayAsVector<T>::Items;
    using const_iterator = typename TIArrayAsVector<T>::const_iterator;
    static constexpr unsigned NPOS = TIArrayAsVector<T>::NPOS;

    explicit TISArrayAsVector(unsigned initialCapacity = 11, unsigned growthStep = 10)
        : items_(initialCapacity, growthStep) {}

    unsigned GetItemsInContainer() const { return items_.GetItemsInContainer(); }
    bool IsEmpty() const { return items_.IsEmpty(); }
    unsigned GrowthStep() const { return items_.GrowthStep(); }
    T& operator[](unsigned index) const { return items_[index]; }

    // Puts the item behind every item that it does not sort before; returns it.
    // The place is found by halving, as the array is sorted: a file of many keys in one
    // section is read in n log n comparisons.
    T& Add(std::unique_ptr<T> item) {
        unsigned lo = 0;
        unsigned hi = GetItemsInContainer();
        while (lo < hi) {
            const unsigned mid = lo + (hi - lo) / 2;
            if (*item < items_[mid])
                hi = mid;
            else
                lo = mid + 1;
        }
        return items_.AddAt(std::move(item), lo);
    }

    // Puts in items that come sorted as Add would put them, behind every item held, which must
    // not sort behind any of them: a reader that sorts a long section's keys first and adds
    // them at once does not move the later keys up for every key.
    void AddSorted(Items added) {
        assert(std::is_sorted(added.begin(), added.end(),
                              [](const std::unique_ptr<T>& left, const std::unique_ptr<T>& right) {
                                  return *left < *right;
                              }));
        assert(IsEmpty() || added.empty() || !(*added.front() < items_[GetItemsInContainer() - 1]));
        items_.AddAll(std::move(added));
    }

    // The index of an item equal to the wanted key, or NPOS.
    template <class Key> unsigned Find(const Key& wanted) const {
        const unsigned found = BinaryFind(wanted);
        if (found != NPOS)
            return found;
        return items_.FindFirst([&wanted](const T& item) { return item == wanted; });
    }

    template <class Predicate> unsigned FindFirst(Predicate matches) const {
        return items_.FindFirst(matches);
    }

    std::unique_ptr<T> Detach(unsigned index) { return items_.Detach(index); }
    void Destroy(unsigned index) { items_.Destroy(index); }
    void Flush() { items_.Flush(); }

    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    // Steered by the order, stopped by equality. With duplicates it returns whichever equal
    // item it meets first, not necessarily the first of them.
    template <class Key> unsigned BinaryFind(const Key& wanted) const {
        if (IsEmpty())
            return NPOS;
        long lo = 0;
        long hi = static_cast<long>(GetItemsInContainer()) - 1;
        while (lo < hi) {
            const long mid = (lo + hi) / 2;
            const T& item = items_[static_cast<unsigned>(mid)];
            if (item == wanted)
                return static_cast<unsigned>(mid);
            if (item < wanted)
                lo = mid + 1;
            else
                hi = mid - 1;
            if (hi < 0)
                return NPOS;
        }
        if (lo == hi && items_[static_cast<unsigned>(lo)] == wanted)
            return static_cast<unsigned>(lo);
        return NPOS;
    }

    TIArrayAsVector<T> items_;
};
