// The signatures of the programs the INF starts: Windows 11's Smart App Control may block an
// unsigned program, and Windows refuses one that was changed after it was signed.
#include "inf_checks.h"

#include "pe_signature.h"

#include <array>

namespace cd_check {

namespace {

// The names that ShellExecute runs as programs rather than opening them with another one.
constexpr std::array<std::string_view, 3> kProgramExtensions = {".exe", ".com", ".scr"};

} // namespace

bool NamesProgram(std::string_view relative) {
    for (const std::string_view extension : kProgramExtensions)
        if (relative.size() > extension.size() &&
            SameFileName(relative.substr(relative.size() - extension.size()), extension))
            return true;
    return false;
}

void CheckSignature(const CdTree& tree, const FileReference& program, const section& part,
                    const entry& key, std::string_view text, Findings& findings) {
    if (program.status != FileReference::Status::kOnCd)
        return;
    ByteSource bytes(tree.Files().Open(program.file));
    switch (ReadSignatureState(bytes)) {
    case SignatureState::kUnsigned:
        Report(findings, FindingKind::kProgramUnsigned, part, key, text);
        break;
    case SignatureState::kBroken:
        Report(findings, FindingKind::kSignatureBroken, part, key, text);
        break;
    case SignatureState::kNotAProgram:
    case SignatureState::kFits:
    case SignatureState::kNotJudged:
        break;
    }
}

} // namespace cd_check
