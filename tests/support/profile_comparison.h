// Compares what the profile reader sees of an INI file before and after a program saved it,
// key by key, and names the documented rule behind every difference. A difference no rule
// explains is data the program lost or garbled.
#pragma once

#include "profile_view.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the reader sees of a key after the save: the entry, or nothing when the key is gone.
using SavedForm = std::optional<ProfileEntry>;

// A rule for a key of the original: what the saved file shows of it when the rule is what
// happened to it, or nothing when the rule does not concern the key.
struct ChangeRule {
    const char* name;
    std::function<std::optional<SavedForm>(const std::string& section,
                                           const ProfileEntry& original)>
        savedForm;
};

// A rule for a key the saved file has and the original had not.
struct AdditionRule {
    const char* name;
    std::function<bool(const std::string& section, const ProfileEntry& added)> explains;
};

struct RuleBook {
    std::vector<ChangeRule> changes;
    std::vector<AdditionRule> additions;
};

struct Difference {
    std::string section;
    std::optional<ProfileEntry> original; // none: the key is new
    std::optional<ProfileEntry> saved;    // none: the key is gone
    const char* rule = nullptr;           // none: nothing explains it
};

// Every key of the original that the saved file does not show the same, and every key the
// saved file shows that the original had not, each with the first rule that explains it.
std::vector<Difference> CompareProfiles(const Profile& original, const Profile& saved,
                                        const RuleBook& rules);

// Differences of many files, printed file by file and counted by rule.
class ComparisonReport {
public:
    void Add(const std::string& file, const Profile& original, std::vector<Difference> found);

    int Files() const { return files_; }
    int KeysCompared() const { return keys_; }
    int Unexplained() const;
    const std::map<std::string, int>& CountByRule() const { return countByRule_; }
    // One line per difference: file | [section] | original | saved | rule; then the counts.
    std::string Text() const;

private:
    int files_ = 0;
    int keys_ = 0;
    std::vector<std::pair<std::string, Difference>> differences_;
    std::map<std::string, int> countByRule_;
};
