// Names as Windows holds them: the device names it never opens as files, and the form under
// which it takes two names of one directory for the same.
#pragma once

#include <string>

namespace iso_image {

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 in any letter case, with or without an
// extension: Windows opens the device instead.
bool IsDeviceName(const std::u16string& name);

// Equal for two names that Windows cannot tell apart in one directory: letter case is
// disregarded, dots and blanks at the end are dropped.
std::u16string SameNameKey(const std::u16string& name);

} // namespace iso_image
