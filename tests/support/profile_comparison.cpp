#include "profile_comparison.h"

#include <set>
#include <utility>

namespace {

const char kUnexplained[] = "UNEXPLAINED";

bool SameEntry(const ProfileEntry& left, const ProfileEntry& right) {
    return SameProfileName(left.key, right.key) && left.value == right.value;
}

// Keys of the saved profile that stand for a key of the original.
using Paired = std::set<const ProfileEntry*>;

const ProfileEntry* SavedEntry(const Profile& saved, const std::string& section,
                               const std::string& key) {
    const ProfileSection* held = saved.Find(section);
    return held == nullptr ? nullptr : held->Find(key);
}

// The first rule whose saved form is what the saved file shows; the entry it pairs with.
const char* Explain(const RuleBook& rules, const Profile& saved, const std::string& section,
                    const ProfileEntry& original, const ProfileEntry*& pairedWith) {
    for (const ChangeRule& rule : rules.changes) {
        const std::optional<SavedForm> form = rule.savedForm(section, original);
        if (!form)
            continue;
        if (!*form) {
            if (SavedEntry(saved, section, original.key) == nullptr)
                return rule.name;
            continue;
        }
        const ProfileEntry* shown = SavedEntry(saved, section, (*form)->key);
        if (shown != nullptr && SameEntry(*shown, **form)) {
            pairedWith = shown;
            return rule.name;
        }
    }
    return nullptr;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out + "\"";
}

std::string Show(const std::optional<ProfileEntry>& item) {
    if (!item)
        return "(none)";
    return Quoted(item->key) + (item->value ? "=" + Quoted(*item->value) : " (no \"=\")");
}

} // namespace

std::vector<Difference> CompareProfiles(const Profile& original, const Profile& saved,
                                        const RuleBook& rules) {
    std::vector<Difference> found;
    Paired paired;
    for (const ProfileSection& held : original.sections) {
        for (const ProfileEntry& item : held.entries) {
            const ProfileEntry* same = SavedEntry(saved, held.name, item.key);
            if (same != nullptr)
                paired.insert(same);
            if (same != nullptr && same->value == item.value)
                continue;
            Difference difference{held.name, item, std::nullopt, nullptr};
            if (same != nullptr)
                difference.saved = *same;
            const ProfileEntry* pairedWith = nullptr;
            difference.rule = Explain(rules, saved, held.name, item, pairedWith);
            if (pairedWith != nullptr) {
                paired.insert(pairedWith);
                difference.saved = *pairedWith;
            }
            found.push_back(std::move(difference));
        }
    }
    for (const ProfileSection& held : saved.sections) {
        for (const ProfileEntry& item : held.entries) {
            if (paired.count(&item) != 0)
                continue;
            Difference difference{held.name, std::nullopt, item, nullptr};
            for (const AdditionRule& rule : rules.additions) {
                if (rule.explains(held.name, item)) {
                    difference.rule = rule.name;
                    break;
                }
            }
            found.push_back(std::move(difference));
        }
    }
    return found;
}

void ComparisonReport::Add(const std::string& file, const Profile& original,
                           std::vector<Difference> found) {
    ++files_;
    keys_ += original.KeyCount();
    for (Difference& difference : found) {
        ++countByRule_[difference.rule != nullptr ? difference.rule : kUnexplained];
        differences_.emplace_back(file, std::move(difference));
    }
}

int ComparisonReport::Unexplained() const {
    const auto found = countByRule_.find(kUnexplained);
    return found == countByRule_.end() ? 0 : found->second;
}

std::string ComparisonReport::Text() const {
    std::string out = "file | [section] | original | saved | rule\n";
    for (const auto& [file, difference] : differences_) {
        out += file + " | [" + difference.section + "] | " + Show(difference.original) + " | " +
               Show(difference.saved) + " | " +
               (difference.rule != nullptr ? difference.rule : kUnexplained) + "\n";
    }
    out += std::to_string(files_) + " files, " + std::to_string(keys_) + " keys compared, " +
           std::to_string(differences_.size()) + " differences\n";
    for (const auto& [rule, count] : countByRule_)
        out += "  " + std::to_string(count) + " x " + rule + "\n";
    return out;
}
