// An array that owns its elements through pointers: removing an element destroys it unless
// it is detached, and destroying the array destroys them all.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <class T> class TIArrayAsVector {
public:
    using Items = std::vector<std::unique_ptr<T>>;
    using const_iterator = typename Items::const_iterator;

    // The index that the searches return when nothing is found.
    static constexpr unsigned NPOS = static_cast<unsigned>(-1);

    // The growth step is kept for callers that size their arrays in these terms; the vector
    // grows geometrically on its own.
    explicit TIArrayAsVector(unsigned initialCapacity = 11, unsigned growthStep = 10)
        : growthStep_(growthStep) {
        items_.reserve(initialCapacity);
    }

    TIArrayAsVector(const TIArrayAsVector&) = delete;
    TIArrayAsVector& operator=(const TIArrayAsVector&) = delete;
    TIArrayAsVector(TIArrayAsVector&&) noexcept = default;
    TIArrayAsVector& operator=(TIArrayAsVector&&) noexcept = default;
    ~TIArrayAsVector() = default;

    unsigned GetItemsInContainer() const { return static_cast<unsigned>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    unsigned GrowthStep() const { return growthStep_; }

    T& operator[](unsigned index) const { return *items_.at(index); }

    // Appends the item; returns it.
    T& Add(std::unique_ptr<T> item) { return AddAt(std::move(item), GetItemsInContainer()); }

    // Puts the item in at index (at most the number of items), moving the later ones up.
    T& AddAt(std::unique_ptr<T> item, unsigned index) {
        T& added = *item;
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
        return added;
    }

    // Appends the items in their order.
    void AddAll(Items items) {
        if (items_.empty()) {
            items_ = std::move(items);
            return;
        }
        items_.reserve(items_.size() + items.size());
        for (auto& item : items)
            items_.push_back(std::move(item));
    }

    // Takes every item out of the array and hands them to the caller, in their order.
    Items DetachAll() { return std::exchange(items_, Items()); }

    // Takes the item at index out of the array and hands its ownership to the caller.
    std::unique_ptr<T> Detach(unsigned index) {
        std::unique_ptr<T> item = std::move(items_.at(index));
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        return item;
    }

    // Removes the item at index and destroys it.
    void Destroy(unsigned index) { Detach(index); }

    // Destroys every item.
    void Flush() { items_.clear(); }

    // The index of the first item for which matches(item) holds, or NPOS.
    template <class Predicate> unsigned FindFirst(Predicate matches) const {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (matches(static_cast<const T&>(*items_[i])))
                return static_cast<unsigned>(i);
        }
        return NPOS;
    }

    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    Items items_;
    unsigned growthStep_;
};
