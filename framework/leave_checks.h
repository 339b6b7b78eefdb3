// Checks of edit fields that run when the user leaves a field after changing it. A check may
// open message boxes, and a box takes the focus from the control that was just receiving it:
// that control's lost-focus notification then arrives while the first check is still running.
// Here it starts nothing. Its change stays marked, so it is checked the next time the user
// really leaves it: one box at a time, nothing asked twice, nothing lost.
#pragma once

#include "dialog_handler.h"

#include <initializer_list>
#include <vector>

class LeaveChecks {
public:
    using Check = DialogHandler<void()>;

    // fields share one change mark and one check: leaving any of them after a change of any
    // of them runs it.
    void Add(std::initializer_list<int> fields, Check check);

    // EN_CHANGE of a field: its mark is set, unless the program is setting its text quietly.
    void Changed(int field);
    // EN_KILLFOCUS of a field: its check runs if its mark is set and no check is running; the
    // mark is cleared first, so that the check sees later changes as new ones.
    void Left(int field);

    // Whether a check is under way.
    bool Running() const { return running_; }

    // Clears the mark of the fields that field belongs to.
    void ClearMark(int field);

    // While a quiet set of field's text is under way, its changes set no mark.
    class QuietSet {
    public:
        QuietSet(LeaveChecks& checks, int field);
        ~QuietSet();
        QuietSet(const QuietSet&) = delete;
        QuietSet& operator=(const QuietSet&) = delete;

    private:
        LeaveChecks& checks_;
        int previous_;
    };

private:
    struct Group {
        std::vector<int> fields;
        Check check;
        bool changed = false;
    };

    Group* GroupOf(int field);

    std::vector<Group> groups_;
    bool running_ = false;
    // The field whose text the program is setting quietly; 0 when none.
    int quietField_ = 0;
};
