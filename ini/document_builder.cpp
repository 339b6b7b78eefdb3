#include "document_builder.h"

#include "key_line.h"

#include <algorithm>
#include <string>

namespace {

// Zeros stand behind a shorter name, whose prefix so sorts first where the name is the
// beginning of the other, as the name itself does.
std::pair<std::uint64_t, std::uint64_t> PrefixOf(std::string_view name) {
    std::uint64_t halves[2] = {0, 0};
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint64_t byte = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        halves[i / 8] = halves[i / 8] << 8 | byte;
    }
    return {halves[0], halves[1]};
}

} // namespace

void DocumentBuilder::StartSection(std::unique_ptr<section> started) {
    EndSection();
    current_ = started.get();
    sections_.push_back(std::move(started));
}

void DocumentBuilder::AddKeyLine(TextAsRead asRead, std::string_view key, unsigned line) {
    keyLines_.push_back({PrefixOf(key), asRead, line});
}

void DocumentBuilder::AddWideTexts(unsigned line, WideTexts texts) {
    wides_.emplace_back(line, std::move(texts));
}

void DocumentBuilder::Finish(TISArrayAsVector<section>& sections) {
    EndSection();
    sections.AddAll(std::move(sections_));
    sections_.clear();
}

void DocumentBuilder::EndSection() {
    // The lines are sorted themselves: they carry all an entry is made of, so that making the
    // entries in their order reads nothing else. Keys of one name keep the order of the file.
    std::sort(keyLines_.begin(), keyLines_.end(), [](const KeyLine& left, const KeyLine& right) {
        if (left.prefix != right.prefix)
            return left.prefix < right.prefix;
        const int names = SplitKeyLine(left.asRead).key.compare(SplitKeyLine(right.asRead).key);
        return names != 0 ? names < 0 : left.line < right.line;
    });
    TISArrayAsVector<entry>::Items entries;
    entries.reserve(keyLines_.size());
    for (const KeyLine& keyLine : keyLines_) {
        const KeyAndValue parts = SplitKeyLine(keyLine.asRead);
        auto made = std::make_unique<entry>(std::string(parts.key), std::string(),
                                            std::string(parts.value));
        made->line = keyLine.line;
        made->asRead = keyLine.asRead;
        made->valueAsRead = parts.value;
        if (!wides_.empty())
            made->SetWide(WideTextsOf(keyLine.line));
        entries.push_back(std::move(made));
    }
    if (current_ != nullptr) {
        current_->entries.AddAll(std::move(entries));
        current_->keysSortedWithoutCase = SortedWithoutCase(current_->entries);
    }
    keyLines_.clear();
    wides_.clear();
}

WideTexts DocumentBuilder::WideTextsOf(unsigned line) {
    const auto found = std::lower_bound(wides_.begin(), wides_.end(), line,
                                        [](const std::pair<unsigned, WideTexts>& held,
                                           unsigned wanted) { return held.first < wanted; });
    return found != wides_.end() && found->first == line ? std::move(found->second) : WideTexts();
}
