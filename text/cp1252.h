// Windows code page 1252, the code page of the editor's texts, and UTF-16: the document keeps
// its texts in 1252 and turns them into UTF-16 and back for files written in UTF-16.
#pragma once

#include <string>

namespace cp1252 {

// The UTF-16 code unit of a byte. The five bytes the code page leaves undefined stand for
// the control characters of the same number, as Windows maps them.
char16_t WideOf(unsigned char byte);

// The byte of a code unit; false when the code page has none for it.
bool NarrowOf(char16_t unit, char& byte);

// One byte per code unit; a unit without a byte becomes "?". The texts are the same length,
// so that positions in one are positions in the other.
std::string Narrowed(const std::u16string& units);

// True when every unit has a byte: Narrowed then loses nothing.
bool IsLossless(const std::u16string& units);

std::u16string Widened(const std::string& bytes);

} // namespace cp1252
