#include "cd_check.h"

#include "byte_source.h"
#include "cd_tree.h"
#include "check_platform.h"
#include "inf_checks.h"
#include "inf_names.h"
#include "inf_view.h"
#include "utf8_text.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace cd_check {

namespace {

// More than any AutoRun.INF holds; only this much is looked at for UTF-8.
constexpr std::uint64_t kMaxInspectedBytes = 1 << 20;

// The document itself tells UTF-16 and UTF-8 behind its mark from 8-bit text; UTF-8 without
// its mark it reads as 8-bit text, as Windows does.
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
    return utf8_text::LooksLikeUtf8(start) ? InfEncoding::kUtf8WithoutMark : InfEncoding::kAnsi;
}

// What concerns the whole INF first, then the INF's findings in the order of its lines, then
// the names on the CD.
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

void CheckInf(const std::filesystem::path& inf, const CdTree& tree, CheckResult& result) {
    ByteSource bytes(inf);
    const std::string documentPath = check_platform::DocumentPath(inf);
    std::error_code error;
    if (documentPath.empty() || !std::filesystem::is_regular_file(inf, error) || !bytes.IsOpen()) {
        result.problem = Problem::kUnreadable;
        result.problemPath = inf;
        return;
    }
    const INIFile document(documentPath.c_str());
    const InfEncoding encoding = EncodingOf(bytes, document);
    if (encoding == InfEncoding::kUtf8Mark)
        result.findings.push_back({FindingKind::kUtf8Mark, "", "", 1, ""});
    if (encoding == InfEncoding::kUtf8WithoutMark)
        result.findings.push_back({FindingKind::kUtf8WithoutMark, "", "", 0, ""});
    if (encoding == InfEncoding::kUnreadable) {
        // Windows reads nothing of it: every other check would only repeat that.
        result.findings.push_back({FindingKind::kUnreadableEncoding, "", "", 1, ""});
        return;
    }
    const InfView view(document, encoding == InfEncoding::kUtf8Mark);
    CheckLayout(view, result.findings);
    CheckReferences(view, tree, result.findings);
    CheckVerbs(view, tree, result.findings);
}

} // namespace

CheckResult CheckCd(const std::filesystem::path& path, const CheckOptions& options) {
    CheckResult result;
    std::error_code error;
    const std::filesystem::path given = std::filesystem::absolute(path, error).lexically_normal();
    const std::filesystem::file_status status = std::filesystem::status(given, error);
    if (error || !std::filesystem::exists(status)) {
        result.problem = Problem::kNoSuchPath;
        result.problemPath = path;
        return result;
    }

    std::filesystem::path root = given;
    if (std::filesystem::is_directory(status)) {
        // Windows opens the INF in the root whatever the letter case of its name.
        std::vector<std::filesystem::path> infs;
        for (const std::filesystem::path& candidate : CdTree::NamesLike(root, inf_names::InfFile()))
            if (std::filesystem::is_regular_file(candidate, error))
                infs.push_back(candidate);
        if (infs.empty())
            result.findings.push_back({FindingKind::kNoInf, "", "", 0, ""});
        else
            result.inf = infs.front();
        if (infs.size() > 1)
            result.findings.push_back(
                {FindingKind::kSeveralInfs, "", "", 0, NameInCodePage(infs[1].filename())});
    } else {
        root = given.parent_path();
        result.inf = given;
        if (!SameFileName(NameInCodePage(given.filename()), inf_names::InfFile()))
            result.findings.push_back(
                {FindingKind::kInfNotNamedAutoRun, "", "", 0, NameInCodePage(given.filename())});
    }

    const CdTree tree(root);
    if (!result.inf.empty()) {
        CheckInf(result.inf, tree, result);
        if (result.problem != Problem::kNone)
            return result;
    }
    CheckNames(tree, options.iso9660, result.findings);
    if (const std::optional<WalkFailure>& failure = tree.Failure()) {
        // Findings of a part of the CD would pass for those of all of it.
        result.problem = Problem::kWalkIncomplete;
        result.problemPath = failure->directory;
        result.problemReason = WalkStopText(failure->tooDeep, CdTree::kMaxDepth, failure->error);
        result.findings.clear();
        return result;
    }
    SortForReading(result.findings);
    return result;
}

} // namespace cd_check
