// What stands in the way of the CD's image, shown in one step before anything is written: what
// the image cannot hold, which stops it, and the errors a check of the CD found, which the user
// may choose to go past.
#pragma once

#include "refusals.h"

#include <windows.h>

#include <string>
#include <vector>

struct ImageProblems {
    iso_image::Refusals refusals;
    // The errors that "Prüfen" finds on the CD as it is saved, one line each in code page 1252.
    std::vector<std::string> checkErrors;
};

// Shows the problems, if there are any; true when the image may be written.
bool MayWriteImage(HWND owner, const ImageProblems& problems);

// UTF-16 text in the system's code page, for the message boxes ("?" for what it lacks).
std::string AnsiOfUnits(const std::u16string& units);
