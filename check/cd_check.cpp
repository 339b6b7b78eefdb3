#include "cd_check.h"

#include "byte_source.h"
#include "cd_rules.h"
#include "cd_tree.h"
#include "check_platform.h"
#include "disk_cd_files.h"
#include "inf_checks.h"
#include "inf_names.h"

#include <memory>
#include <optional>
#include <system_error>

namespace cd_check {

namespace {

// The INF's document and how Windows reads its bytes; nullptr when it cannot be read.
std::unique_ptr<const INIFile> ReadInf(const DiskCdFiles& files, const std::filesystem::path& inf,
                                       InfEncoding& encoding) {
    // The INF lies in the root; its key there opens it.
    ByteSource bytes(files.Open({check_platform::KeyOf(inf.filename())}));
    const std::string documentPath = check_platform::DocumentPath(inf);
    std::error_code error;
    if (documentPath.empty() || !std::filesystem::is_regular_file(inf, error) || !bytes.IsOpen())
        return nullptr;
    auto document = std::make_unique<const INIFile>(documentPath.c_str());
    encoding = EncodingOf(bytes, *document);
    return document;
}

} // namespace

std::string WalkStopText(bool tooDeep, int maxDepth, const std::error_code& error) {
    if (tooDeep)
        return "mehr als " + std::to_string(maxDepth) + " Verzeichnisebenen";
    if (error == std::errc::too_many_files_open ||
        error == std::errc::too_many_files_open_in_system)
        return "keine Datei-Handles mehr frei";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return "keine Berechtigung";
    if (error == std::errc::filename_too_long)
        return "Pfad zu lang";
    return "Systemfehler " + std::to_string(error.value());
}

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
        for (const std::filesystem::path& candidate : NamesLike(root, inf_names::InfFile()))
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

    const DiskCdFiles files(root);
    const CdTree tree(files);
    std::unique_ptr<const INIFile> document;
    InfEncoding encoding = InfEncoding::kAnsi;
    if (!result.inf.empty()) {
        document = ReadInf(files, result.inf, encoding);
        if (document == nullptr) {
            result.problem = Problem::kUnreadable;
            result.problemPath = result.inf;
            return result;
        }
    }
    CheckCdContent(document.get(), encoding, tree, options.iso9660, result.findings);
    if (options.targets)
        result.targets = AnswerTargets(document.get(), tree);
    if (const std::optional<WalkFailure>& failure = tree.Failure()) {
        // Findings of a part of the CD would pass for those of all of it.
        result.problem = Problem::kWalkIncomplete;
        result.problemPath = files.PathOf(failure->directory);
        result.problemReason =
            WalkStopText(failure->tooDeep, CdTree::kMaxDepth, files.FirstError());
        result.findings.clear();
        result.targets.clear();
    }
    return result;
}

} // namespace cd_check
