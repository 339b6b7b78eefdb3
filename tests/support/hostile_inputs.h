// Long and hostile texts for every field of the editor's dialog, shared by the native tests of
// the portable rules and the dialog tests under Wine. A path input is made to a given total
// length together with the virtual root it is put behind.
#pragma once

#include <climits>
#include <cstddef>
#include <ostream>
#include <string>

namespace hostile_inputs {

// The longest path a path buffer holds, terminator not counted.
constexpr std::size_t kMaxPath = 259;

// A name of kMaxPath characters with the root, ending in ".exe". The longer ones begin with it:
// a field that cut them to a path buffer, instead of refusing them, would find that file.
inline std::string NameForPathLength(std::size_t rootLength, std::size_t pathLength) {
    const std::size_t base = kMaxPath - rootLength;
    std::string name(base - 4, 'n');
    name += ".exe";
    name.append(pathLength - kMaxPath, 'x');
    return name;
}

inline std::string Repeated(const std::string& piece, std::size_t length) {
    std::string text;
    while (text.size() < length)
        text += piece;
    text.resize(length);
    return text;
}

// Every byte from 0x80 to 0xFF, the code points that code page 1252 leaves undefined included.
inline std::string AllHighBytes() {
    std::string text;
    for (int c = 0x80; c <= 0xFF; ++c)
        text += static_cast<char>(c);
    return text;
}

struct Input {
    const char* label;
    // The field text, for a virtual root of rootLength characters.
    std::string (*text)(std::size_t rootLength);
    // Whether the text names one of the programs the tests put into the root.
    bool programInRoot;
    // Whether root and text together fit a path buffer.
    bool fitsPath;
    // Whether the text, resolved behind the root, still lies below it.
    bool belowRoot;
    // The name an entry gets when this is typed into its name field.
    const char* entryName;
    // The icon number read from the first 15 characters, as the icon preview reads it.
    int iconNumber;
};

inline void PrintTo(const Input& input, std::ostream* out) {
    *out << input.label;
}

// \xC4\xD6\xDC\xE4\xF6\xFC\xDF: the German umlauts and sharp s.
constexpr char kUmlautName[] = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF";

const Input kInputs[] = {
    {"Path10000", [](std::size_t) { return Repeated("setup\\", 10000); }, false, false, true,
     "setupset", 0},
    {"Digits10000", [](std::size_t) { return std::string(10000, '9'); }, false, false, true,
     "99999999", INT_MAX},
    {"HighBytesOnly", [](std::size_t) { return AllHighBytes(); }, false, true, true, "", 0},
    {"UmlautsOnly", [](std::size_t) { return std::string(kUmlautName); }, true, true, true, "", 0},
    {"Path259", [](std::size_t root) { return NameForPathLength(root, 259); }, true, true, true,
     "nnnnnnnn", 0},
    {"Path260", [](std::size_t root) { return NameForPathLength(root, 260); }, false, false, true,
     "nnnnnnnn", 0},
    {"Path261", [](std::size_t root) { return NameForPathLength(root, 261); }, false, false, true,
     "nnnnnnnn", 0},
    // Far enough up to leave any temporary directory: the drive's root.
    {"ClimbsOut", [](std::size_t) { return Repeated("..\\", 3 * 30) + "x.exe"; }, false, true,
     false, "xexe", 0},
};

} // namespace hostile_inputs
