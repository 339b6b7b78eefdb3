#include "document_builder.h"

#include "key_line.h"
#include "stable_order.h"

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
    // Sections of one name keep the order of the file.
    const auto before = [](const void* items, unsigned left, unsigned right) {
        const auto& read = *static_cast<const TISArrayAsVector<section>::Items*>(items);
        return *read[left] < *read[right];
    };
    TISArrayAsVector<section>::Items sorted;
    sorted.reserve(sections_.size());
    for (unsigned index : StableOrder(static_cast<unsigned>(sections_.size()), &sections_, before))
        sorted.push_back(std::move(sections_[index]));
    sections_.clear();
    sections.AddSorted(std::move(sorted));
}

void DocumentBuilder::EndSection() {
    // The entries are made in the sorted order of their lines, which carry all an entry is
    // made of: making them reads nothing else. The sort is stable, so keys of one name keep
    // the order of the file.
    const auto before = [](const void* items, unsigned left, unsigned right) {
        const auto& lines = *static_cast<const std::vector<KeyLine>*>(items);
        const KeyLine& leftLine = lines[left];
        const KeyLine& rightLine = lines[right];
        if (leftLine.prefix != rightLine.prefix)
            return leftLine.prefix < rightLine.prefix;
        return SplitKeyLine(leftLine.asRead).key < SplitKeyLine(rightLine.asRead).key;
    };
    TISArrayAsVector<entry>::Items entries;
    entries.reserve(keyLines_.size());
    for (unsigned index :
         StableOrder(static_cast<unsigned>(keyLines_.size()), &keyLines_, before)) {
        const KeyLine& keyLine = keyLines_[index];
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
        current_->entries.AddSorted(std::move(entries));
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
