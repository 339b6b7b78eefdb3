// Appends text to a fixed character array without ever writing past it: what does not fit is
// cut off, and the array stays terminated.
#pragma once

#include <cstddef>
#include <string_view>

namespace filehelp {

class BoundedText {
public:
    BoundedText(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {
        buffer_[0] = '\0';
    }

    void Append(std::string_view text) {
        const std::size_t room = capacity_ - 1 - length_;
        const std::size_t count = text.size() < room ? text.size() : room;
        text.copy(buffer_ + length_, count);
        length_ += count;
        buffer_[length_] = '\0';
    }
    void Append(char c) { Append(std::string_view(&c, 1)); }

private:
    char* buffer_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

// Length of text, but at most limit: never reads past limit characters.
inline std::size_t BoundedLength(const char* text, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && text[length] != '\0')
        ++length;
    return length;
}

// Copies text into a whole array, cut to fit.
template <std::size_t N> void CopyCut(char (&target)[N], std::string_view text) {
    BoundedText(target, N).Append(text);
}

} // namespace filehelp
