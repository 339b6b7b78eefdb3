// The whole check of a CD directory: finds its AutoRun.INF as Windows finds it, reads it as
// Windows reads it and runs every check.
#pragma once

#include "findings.h"
#include "targets.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace cd_check {

struct CheckOptions {
    // Names must be 8.3: the image is plain ISO 9660, without Joliet.
    bool iso9660 = false;
    // What each Windows does with the CD, after the findings.
    bool targets = false;
};

struct CheckResult {
    // Why the check could not be made, about which path; kNone when it was made.
    Problem problem = Problem::kNone;
    std::filesystem::path problemPath;
    // What more there is to say about it (code page 1252), or nothing.
    std::string problemReason;

    // The INF that was checked; empty when the directory has none.
    std::filesystem::path inf;
    Findings findings;
    // With CheckOptions::targets.
    std::vector<TargetAnswer> targets;
};

// Why the walk through the CD's directories stopped (code page 1252): deeper than maxDepth, or
// the system's error.
std::string WalkStopText(bool tooDeep, int maxDepth, const std::error_code& error);

// path is the CD's directory or its INF.
CheckResult CheckCd(const std::filesystem::path& path, const CheckOptions& options);

} // namespace cd_check
