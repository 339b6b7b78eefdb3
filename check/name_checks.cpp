// Names on the CD that the image's file systems cannot hold: Joliet keeps at most 64
// characters of a name, plain ISO 9660 (level 1) only names in the form 8.3.
#include "inf_checks.h"

#include <algorithm>
#include <string>

namespace cd_check {

namespace {

constexpr std::size_t kMaxJolietLength = 64;
constexpr std::size_t kMaxBaseLength = 8;
constexpr std::size_t kMaxExtensionLength = 3;

// Letters of either case count: the image's tools write them in capitals, and Windows finds
// them in any case.
bool IsIsoCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsEightDotThree(std::string_view name, bool directory) {
    const std::size_t dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    if (base.empty() || base.size() > kMaxBaseLength || extension.size() > kMaxExtensionLength)
        return false;
    // A directory's name has no extension.
    if (directory && dot != std::string_view::npos)
        return false;
    return std::all_of(base.begin(), base.end(), IsIsoCharacter) &&
           std::all_of(extension.begin(), extension.end(), IsIsoCharacter);
}

} // namespace

void CheckNames(const CdTree& tree, bool iso9660, Findings& findings) {
    for (const WalkedEntry& walked : tree.Walk()) {
        if (walked.entry.nameUnits > kMaxJolietLength)
            findings.push_back(
                {FindingKind::kNameTooLongForJoliet, "", "", 0, walked.relativeName});
        if (iso9660 && !IsEightDotThree(walked.entry.name, walked.entry.directory))
            findings.push_back({FindingKind::kNameNotIso9660, "", "", 0, walked.relativeName});
    }
}

} // namespace cd_check
