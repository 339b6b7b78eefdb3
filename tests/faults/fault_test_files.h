// What the fault tests look at on disk, and where along a file a write is made to fail.
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

// The whole content of a file; "<missing>" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a directory, sorted: what a failed step must not leave behind. None for a
// directory that is not there.
inline std::vector<std::string> NamesIn(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& item : std::filesystem::directory_iterator(directory, missing))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Where a write fails.
enum class At { kNowhere, kFirstByte, kSecondByte, kMiddle, kLastByte, kBehindTheLast };

// Every place where a write can fail, named for the test rows.
struct WritePosition {
    const char* name;
    At at;
};
inline constexpr WritePosition kWritePositions[] = {{"FirstByte", At::kFirstByte},
                                                    {"SecondByte", At::kSecondByte},
                                                    {"Middle", At::kMiddle},
                                                    {"LastByte", At::kLastByte},
                                                    {"BehindTheLast", At::kBehindTheLast}};

inline void PrintTo(At at, std::ostream* out) {
    const char* name = "Nowhere";
    for (const WritePosition& position : kWritePositions) {
        if (position.at == at)
            name = position.name;
    }
    *out << name;
}

// How many of size bytes reach the file before the write fails at.
inline std::size_t BytesBefore(At at, std::size_t size) {
    switch (at) {
    case At::kSecondByte:
        return 1;
    case At::kMiddle:
        return size / 2;
    case At::kLastByte:
        return size - 1;
    case At::kBehindTheLast: // every byte stored, and still the failure is reported
        return size;
    default:
        return 0;
    }
}
