// The CD's directory as Windows sees the files on it: names without regard to letter case (in
// code page 1252, as the INF names them), the components of a reference separated by '\'.
// Each directory is listed once, however many references look into it.
#pragma once

#include "cd_files.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cd_check {

// True when two names in code page 1252 are the same name to Windows.
bool SameFileName(std::string_view left, std::string_view right);

// Why a directory of the CD could not be read to its end.
struct WalkFailure {
    CdPath directory;
    // Set when the directory lies deeper than any path Windows can open; otherwise it could
    // not be listed.
    bool tooDeep = false;
};

// A file or directory met on the walk through the CD.
struct WalkedEntry {
    CdPath path;
    // The path behind the root in code page 1252, separated by '\' as the INF writes it.
    std::string relativeName;
    CdEntry entry;
};

class CdTree {
public:
    // Deeper than this, a path has more than the 260 characters of a Windows path even with
    // one-letter names: a walk that goes there follows a loop.
    static constexpr int kMaxDepth = 128;

    explicit CdTree(const CdFiles& files) : files_(files) {}

    const CdFiles& Files() const { return files_; }

    // The file or directory that a path relative to the root names ("." and ".." resolved
    // already; components separated by '\'), in whatever letter case it has on disk. The root
    // itself for the empty path. When several names differ only in letter case, the first in
    // the order of their keys.
    std::optional<CdPath> Find(std::string_view relative) const;

    // Every file and directory below the root, each directory's entries behind it in the
    // order of their keys.
    std::vector<WalkedEntry> Walk() const;

    // The first directory that Find or Walk could not read to its end; what they returned
    // since may lack what it holds.
    const std::optional<WalkFailure>& Failure() const { return failure_; }

private:
    struct Listing {
        // By name in capitals: the first of the entries in key order.
        std::unordered_map<std::string, std::size_t> byName;
        // All of them, in key order.
        std::vector<CdEntry> entries;
    };

    const Listing& ListingOf(const CdPath& directory) const;
    void WalkBelow(const CdPath& directory, const std::string& relativeName, int depth,
                   std::vector<WalkedEntry>& walked) const;
    void Fail(const CdPath& directory, bool tooDeep) const;

    const CdFiles& files_;
    mutable std::map<CdPath, Listing> listings_;
    mutable std::optional<WalkFailure> failure_;
};

} // namespace cd_check
