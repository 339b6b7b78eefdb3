#pragma once

// How a file's text is stored: 8-bit text in code page 1252, UTF-16 little-endian behind its
// byte-order mark, or UTF-8 behind its mark. Other forms (big-endian, UTF-16 without a mark)
// cannot be read. A UTF-8 file is never written back as UTF-8: Windows' profile reader does
// not take its mark, so it is written in code page 1252 when every character fits, otherwise
// in UTF-16.
enum class TextEncoding { kAnsi, kUtf16, kUnreadable, kUtf8 };
