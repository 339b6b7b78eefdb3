#include "text_store.h"

#include <algorithm>
#include <cstring>

std::string_view TextStore::Keep(std::string_view text) {
    char* at;
    if (text.size() > kLargestBlockSize / 4) {
        // A long text gets a block of its own; the current block keeps its free room.
        blocks_.emplace_back(new char[text.size()]);
        at = blocks_.back().get();
    } else {
        if (text.size() > left_) {
            const std::size_t size = std::max(text.size(), nextBlockSize_);
            blocks_.emplace_back(new char[size]);
            free_ = blocks_.back().get();
            left_ = size;
            nextBlockSize_ = std::min(2 * nextBlockSize_, kLargestBlockSize);
        }
        at = free_;
        free_ += text.size();
        left_ -= text.size();
    }
    if (!text.empty())
        std::memcpy(at, text.data(), text.size());
    return std::string_view(at, text.size());
}
