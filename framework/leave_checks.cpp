#include "leave_checks.h"

#include <algorithm>
#include <utility>

void LeaveChecks::Add(std::initializer_list<int> fields, Check check) {
    groups_.push_back({fields, std::move(check), false});
}

LeaveChecks::Group* LeaveChecks::GroupOf(int field) {
    for (Group& group : groups_) {
        if (std::find(group.fields.begin(), group.fields.end(), field) != group.fields.end())
            return &group;
    }
    return nullptr;
}

void LeaveChecks::Changed(int field) {
    Group* group = GroupOf(field);
    if (group != nullptr && field != quietField_)
        group->changed = true;
}

void LeaveChecks::Left(int field) {
    Group* group = GroupOf(field);
    if (group == nullptr || !group->changed || running_)
        return;
    group->changed = false;
    // Cleared again however the check ends: a check that fails must not block all others.
    struct Running {
        bool& flag;
        explicit Running(bool& running) : flag(running) { flag = true; }
        ~Running() { flag = false; }
    } running(running_);
    group->check();
}

void LeaveChecks::ClearMark(int field) {
    if (Group* group = GroupOf(field))
        group->changed = false;
}

LeaveChecks::QuietSet::QuietSet(LeaveChecks& checks, int field)
    : checks_(checks), previous_(std::exchange(checks.quietField_, field)) {}

LeaveChecks::QuietSet::~QuietSet() {
    checks_.quietField_ = previous_;
}
