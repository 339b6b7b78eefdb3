// Shows the hourglass for as long as the object lives and then puts back the cursor that was
// there before, on every way out of the scope.
#pragma once

#include <windows.h>

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};
