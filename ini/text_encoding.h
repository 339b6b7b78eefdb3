#pragma once

// How a file's text is stored: 8-bit text in code page 1252, or UTF-16 little-endian behind
// its byte-order mark. Other forms (big-endian, UTF-16 without a mark) cannot be read.
enum class TextEncoding { kAnsi, kUtf16, kUnreadable };
