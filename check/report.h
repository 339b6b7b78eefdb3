// The result of a check as text for people and as JSON for other tools, both in UTF-8.
#pragma once

#include "cd_check.h"

#include <string>

namespace cd_check {

std::string TextReport(const CheckResult& result);
std::string JsonReport(const CheckResult& result);

// 2 when the check could not be made, 1 when it found an error, 0 otherwise.
int ExitCodeOf(const CheckResult& result);

} // namespace cd_check
