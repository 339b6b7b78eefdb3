#include "ini_bench_input.h"

#include <cstdint>
#include <cstdio>

namespace {

// A fixed linear congruential generator: the same numbers on every machine and run.
class Numbers {
public:
    unsigned Next(unsigned bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(state_ >> 33) % bound;
    }

private:
    std::uint64_t state_ = 0x5eed;
};

const char* const kKeyStems[] = {"Path",  "Command", "Description", "Icon",     "Size",
                                 "Label", "Target",  "Options",     "Language", "Shortcut"};
const char* const kWords[] = {"setup", "readme", "tools",  "drivers", "manual",
                              "demo",  "viewer", "update", "support", "images"};
const char* const kComments[] = {"installed by the setup program", "shown in the start menu",
                                 "keep in step with the version resource",
                                 "relative to the CD's root", "only for the German edition"};

std::string Value(Numbers& numbers, unsigned stem) {
    char text[160];
    const char* word = kWords[numbers.Next(10)];
    switch (stem % 5) {
    case 0:
        std::snprintf(text, sizeof text, "%s\\%s%u.exe /s /lang=%u", word, word, numbers.Next(100),
                      1031 + numbers.Next(3));
        return text;
    case 1:
        std::snprintf(text, sizeof text, "%u", numbers.Next(1000000));
        return text;
    case 2:
        std::snprintf(text, sizeof text, "Installiert %s und %s auf der Festplatte", word,
                      kWords[numbers.Next(10)]);
        return text;
    case 3:
        std::snprintf(text, sizeof text, "%s\\%s.ico,%u", word, word, numbers.Next(8));
        return text;
    default:
        std::snprintf(text, sizeof text, "%u.%02u.%04u", numbers.Next(10), numbers.Next(100),
                      numbers.Next(10000));
        return text;
    }
}

} // namespace

std::string MakeIniText(unsigned lineCount, unsigned linesPerSection) {
    Numbers numbers;
    const unsigned sectionCount = (lineCount + linesPerSection - 1) / linesPerSection;
    std::string text;
    text.reserve(static_cast<std::size_t>(lineCount) * 48);
    unsigned written = 0;
    auto line = [&](const std::string& content) {
        if (written < lineCount) {
            text += content;
            text += "\r\n";
            ++written;
        }
    };
    for (unsigned s = 0; s < sectionCount && written < lineCount; ++s) {
        // Sections in a scattered order, so that the sorted document inserts everywhere.
        const unsigned number = static_cast<unsigned>((std::uint64_t{s} * 7919) % sectionCount);
        char header[64];
        std::snprintf(header, sizeof header, "[Component%04u]", number);
        line(header);
        line(std::string("; ") + kComments[numbers.Next(5)]);
        line(std::string(kChangedKey) + "=" + Value(numbers, 4));
        for (unsigned i = 0; written < lineCount && i + 4 < linesPerSection; ++i) {
            if (i % 9 == 8) {
                line(std::string("; ") + kComments[numbers.Next(5)]);
                continue;
            }
            const unsigned stem = numbers.Next(10);
            std::string entry = kKeyStems[stem] + std::to_string(i) + "=" + Value(numbers, stem);
            if (numbers.Next(4) == 0)
                entry += std::string("\t; ") + kComments[numbers.Next(5)];
            line(entry);
        }
        line("");
    }
    while (written < lineCount)
        line("; end");
    return text;
}
