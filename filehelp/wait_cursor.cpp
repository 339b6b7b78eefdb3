#include "wait_cursor.h"

namespace {

const WORD kHourglassCursor = 32514; // IDC_WAIT

} // namespace

WaitCursor::WaitCursor()
    : previous_(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(kHourglassCursor)))) {}

WaitCursor::~WaitCursor() {
    SetCursor(previous_);
}
