#include "cd_rules.h"

#include "inf_checks.h"
#include "utf8.h"

#include <algorithm>

namespace cd_check {

namespace {
// More than any AutoRun.INF holds; only this much is looked at for UTF-8.
constexpr std::uint64_t kMaxInspectedBytes = 1 << 20;
} // namespace

InfEncoding EncodingOf(ByteSource& bytes, const INIFile& document) {
    std::string start(static_cast<std::size_t>(std::min(bytes.Size(), kMaxInspectedBytes)), '\0');
    if (!bytes.Read(0, &start[0], start.size()))
        start.clear();
    if (start.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return InfEncoding::kUtf8Mark;
    switch (document.Encoding()) {
    case TextEncoding::kUtf16:
        return InfEncoding::kUtf16;
    case TextEncoding::kUnreadable:
        return InfEncoding::kUnreadable;
    case TextEncoding::kUtf8:
        return InfEncoding::kUtf8Mark;
    case TextEncoding::kAnsi:
        break;
    }
    return utf8::LooksLikeUtf8(start) ? InfEncoding::kUtf8WithoutMark : InfEncoding::kAnsi;
}

void CheckInfDocument(const INIFile& document, InfEncoding encoding, const CdTree& tree,
                      Findings& findings) {
    if (encoding == InfEncoding::kUtf8Mark)
        findings.push_back({FindingKind::kUtf8Mark, "", "", 1, ""});
    if (encoding == InfEncoding::kUtf8WithoutMark)
        findings.push_back({FindingKind::kUtf8WithoutMark, "", "", 0, ""});
    if (encoding == InfEncoding::kUnreadable) {
        // Windows reads nothing of it: every other check would only repeat that.
        findings.push_back({FindingKind::kUnreadableEncoding, "", "", 1, ""});
        return;
    }
    const InfView view(document, encoding == InfEncoding::kUtf8Mark);
    CheckLayout(view, findings);
    CheckReferences(view, tree, findings);
    CheckVerbs(view, tree, findings);
    CheckAutoPlayKeys(view, tree, findings);
}

void CheckCdContent(const INIFile* document, InfEncoding encoding, const CdTree& tree, bool iso9660,
                    Findings& findings) {
    if (document != nullptr)
        CheckInfDocument(*document, encoding, tree, findings);
    CheckNames(tree, iso9660, findings);
    SortForReading(findings);
}

void SortForReading(Findings& findings) {
    const auto rank = [](const Finding& finding) {
        if (finding.kind == FindingKind::kNameTooLongForJoliet ||
            finding.kind == FindingKind::kNameNotIso9660)
            return 2;
        return finding.section.empty() ? 0 : 1;
    };
    std::stable_sort(findings.begin(), findings.end(),
                     [&rank](const Finding& left, const Finding& right) {
                         const int leftRank = rank(left);
                         const int rightRank = rank(right);
                         if (leftRank != rightRank)
                             return leftRank < rightRank;
                         return left.line < right.line;
                     });
}

} // namespace cd_check
