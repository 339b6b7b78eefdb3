#include "unshared_changes.h"

#include "ascii_case.h"
#include "autorun_inf.h"
#include "inf_names.h"
#include "inf_view.h"

namespace autorun {

namespace {

// The value Windows reads for key, or nullptr when the section lacks the key.
const entry* Holding(const InfView& view, const section* part, std::string_view key) {
    return part != nullptr ? view.Find(*part, key) : nullptr;
}

// Two keys hold the same when both are missing or Windows reads the same from both.
bool SameValue(const entry* left, const entry* right) {
    if (left == nullptr || right == nullptr)
        return left == right;
    return left->value == right->value;
}

// The keys of the edited section that differ from before to after, as the file spells them.
std::vector<std::string> ChangedKeys(const InfView& before, const section* beforePart,
                                     const InfView& after, const section* afterPart) {
    std::vector<std::string> keys;
    const auto note = [&keys](const std::string& key) {
        for (const std::string& known : keys)
            if (ascii_case::Same(known, key))
                return;
        keys.push_back(key);
    };
    for (const section* part : {beforePart, afterPart}) {
        if (part == nullptr)
            continue;
        const InfView& view = part == beforePart ? before : after;
        for (const entry* item : view.EntriesInFileOrder(*part))
            if (!SameValue(Holding(before, beforePart, *item), Holding(after, afterPart, *item)))
                note(*item);
    }
    return keys;
}

} // namespace

std::vector<UnsharedChange> ChangesOtherSectionsMiss(const INIFile& before, const INIFile& after,
                                                     std::string_view editedSection) {
    const InfView beforeView(before, false);
    const InfView afterView(after, false);
    const section* beforePart = beforeView.Find(editedSection);
    const std::vector<std::string> changed =
        ChangedKeys(beforeView, beforePart, afterView, afterView.Find(editedSection));
    std::vector<UnsharedChange> misses;
    for (const section* other : beforeView.SectionsInFileOrder()) {
        if (other == beforePart || beforeView.Find(*other) != other || !IsAutoRunSection(*other))
            continue;
        UnsharedChange miss{*other, {}};
        // A key the user changed in the other section, too, is theirs already.
        const section* otherAfter = afterView.Find(*other);
        for (const std::string& key : changed) {
            const entry* held = beforeView.Find(*other, key);
            if (held != nullptr && SameValue(held, Holding(beforeView, beforePart, key)) &&
                SameValue(held, Holding(afterView, otherAfter, key)))
                miss.keys.push_back(key);
        }
        if (!miss.keys.empty())
            misses.push_back(std::move(miss));
    }
    return misses;
}

void CarryChanges(INIFile& after, std::string_view editedSection,
                  const std::vector<UnsharedChange>& changes) {
    const std::string edited(editedSection);
    for (const UnsharedChange& change : changes) {
        for (const std::string& key : change.keys) {
            const char* value = after.GetString(edited.c_str(), key.c_str(), nullptr);
            if (value == nullptr) {
                after.RemoveEntry(change.section.c_str(), key.c_str());
                continue;
            }
            const std::string copied(value);
            after.SetString(change.section.c_str(), key.c_str(), copied.c_str());
        }
    }
}

} // namespace autorun
