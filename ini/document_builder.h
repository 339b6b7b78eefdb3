// What the parser has read: the sections in the order of the file, and the key lines of the
// section being read. These become the section's entries when it ends, sorted at once (one by
// one, every key of a long section would move all the keys behind its place) and made in
// their sorted order, so that they lie in memory in the order in which they are used.
#pragma once

#include "ini_elements.h"
#include "text_store.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class DocumentBuilder {
public:
    explicit DocumentBuilder(TextStore& texts) : texts_(texts) {}

    // The section the lines read now belong to; none before the first header.
    section* Current() const { return current_; }

    // The line as read, kept as long as the document.
    TextAsRead Keep(std::string_view text) { return TextAsRead(texts_.Keep(text)); }

    void StartSection(std::unique_ptr<section> started);

    // asRead is the trimmed line as kept, key its key.
    void AddKeyLine(TextAsRead asRead, std::string_view key, unsigned line);

    // For a key line of a UTF-16 or UTF-8 file, added before it.
    void AddWideTexts(unsigned line, WideTexts texts);

    // Puts the sections into the document's sorted array.
    void Finish(TISArrayAsVector<section>& sections);

private:
    // A key line of the section being read, as kept, with the first 16 bytes of its key as two
    // big-endian numbers: where those differ, the keys sort as they do.
    struct KeyLine {
        std::pair<std::uint64_t, std::uint64_t> prefix;
        TextAsRead asRead;
        unsigned line;
    };

    void EndSection();
    WideTexts WideTextsOf(unsigned line);

    TextStore& texts_;
    TISArrayAsVector<section>::Items sections_;
    section* current_ = nullptr;
    std::vector<KeyLine> keyLines_;
    // In the order of their lines.
    std::vector<std::pair<unsigned, WideTexts>> wides_;
};
