// What the check reports: every kind of finding with its stable code, its severity and its
// German message, and one finding as it is reported.
#pragma once

#include <string>
#include <vector>

namespace cd_check {

enum class Severity { kError, kWarning };

// One per kind of finding; each has a code that never changes and never goes to another kind.
enum class FindingKind {
    kNoInf,
    kSeveralInfs,
    kInfNotNamedAutoRun,
    kUtf8Mark,
    kUnreadableEncoding,
    kUtf8WithoutMark,
    kAutoRunMissing,
    kSectionTwice,
    kKeyTwice,
    kPlatformSectionDiffers,
    kLabelTooLong,
    kQuotesBreakCommandLine,
    kQuotesChangeValue,
    kContentValueUnknown,
    kUseAutoPlayValue,
    kProcessorSectionsOnly,
    kFileMissing,
    kFileOutsideRoot,
    kIconNumberMissing,
    kNoIconsInFile,
    kIconsNotChecked,
    kActionFileMissing,
    kVerbWithoutCommand,
    kDefaultVerbMissing,
    kStarterMissing,
    kStarterWithoutExec,
    kNameTooLongForJoliet,
    kNameNotIso9660,
    kProgramUnsigned,
    kSignatureBroken,
};

struct FindingText {
    FindingKind kind;
    const char* code;
    Severity severity;
    // Windows code page 1252.
    const char* message;
};

// The kinds in the order of their codes.
const std::vector<FindingText>& AllFindingTexts();
const FindingText& TextOf(FindingKind kind);

// Texts are code page 1252, as in the INF; a part that does not apply is empty (line 0).
struct Finding {
    FindingKind kind;
    std::string section;
    std::string key;
    unsigned line = 0;
    // What the message is about: a file name, a number, a key.
    std::string detail;
};

using Findings = std::vector<Finding>;

// Why a check could not be made at all.
enum class Problem { kNone, kNoSuchPath, kUnreadable, kUsage, kWalkIncomplete };

// The German text (code page 1252) of a problem; a path follows it.
const char* TextOf(Problem problem);

// The detail of a platform section's finding: the keys that differ from [AutoRun], then those
// of [AutoRun] that the platform's Windows does not see (lists joined by ", ").
std::string PlatformDetail(const std::string& differing, const std::string& unseen);

} // namespace cd_check
