// Copies of the texts of a file as it was read, kept as long as the document that read them:
// its elements point into them. They are stored in blocks, so that a large file costs a few
// allocations instead of one a line; a small file gets a small block, each further block is
// twice as large, up to 64 KB.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

class TextStore {
public:
    // A copy of text that stays where it is until the store is destroyed.
    std::string_view Keep(std::string_view text);

private:
    static constexpr std::size_t kLargestBlockSize = 64 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;
    std::size_t left_ = 0;
    std::size_t nextBlockSize_ = 1024;
};
