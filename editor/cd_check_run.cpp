#include "cd_check_run.h"

#include "ascii_case.h"
#include "cd_rules.h"
#include "entry_names.h"
#include "inf_checks.h"
#include "inf_names.h"
#include "string_ids.h"
#include "string_resource.h"
#include "win32_cd_files.h"

#include <algorithm>

namespace {

bool IsError(const cd_check::Finding& finding) {
    return cd_check::TextOf(finding.kind).severity == cd_check::Severity::kError;
}

// The INF as Save writes it: UTF-8 becomes code page 1252 or UTF-16.
cd_check::InfEncoding EncodingSavedIn(const INIFile& document) {
    switch (document.EncodingToWrite()) {
    case TextEncoding::kUtf16:
        return cd_check::InfEncoding::kUtf16;
    case TextEncoding::kUnreadable:
        return cd_check::InfEncoding::kUnreadable;
    case TextEncoding::kUtf8:
        return cd_check::InfEncoding::kUtf8Mark;
    case TextEncoding::kAnsi:
        break;
    }
    return cd_check::InfEncoding::kAnsi;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

bool CdCheckOutcome::HasErrors() const {
    return std::any_of(findings.begin(), findings.end(), IsError);
}

std::vector<std::string> ErrorLines(const CdCheckOutcome& outcome) {
    std::vector<std::string> lines;
    for (const cd_check::Finding& finding : outcome.findings)
        if (IsError(finding))
            lines.push_back(FindingLine(finding));
    return lines;
}

CdCheckOutcome CheckCdDocument(const INIFile& document, const std::string& infPath,
                               const std::string& root) {
    CdCheckOutcome outcome;
    const std::string infName = FileNameOf(infPath);
    if (!cd_check::SameFileName(infName, inf_names::InfFile()))
        outcome.findings.push_back(
            {cd_check::FindingKind::kInfNotNamedAutoRun, "", "", 0, infName});
    const Win32CdFiles files(root);
    const cd_check::CdTree tree(files);
    cd_check::CheckCdContent(&document, EncodingSavedIn(document), tree, false, outcome.findings);
    if (const std::optional<cd_check::WalkFailure>& failure = tree.Failure()) {
        outcome.complete = false;
        for (const std::string& name : failure->directory)
            outcome.unreadDirectory += (outcome.unreadDirectory.empty() ? "" : "\\") + name;
    }
    std::stable_partition(outcome.findings.begin(), outcome.findings.end(), IsError);
    return outcome;
}

std::vector<cd_check::TargetAnswer> AnswerTargetsOf(const INIFile& document,
                                                    const std::string& root) {
    const Win32CdFiles files(root);
    const cd_check::CdTree tree(files);
    return cd_check::AnswerTargets(&document, tree);
}

std::string FindingLine(const cd_check::Finding& finding) {
    const cd_check::FindingText& text = cd_check::TextOf(finding.kind);
    std::string line = LoadResourceString(
        text.severity == cd_check::Severity::kError ? IDS_CHECK_ERROR : IDS_CHECK_WARNING);
    // Columns apart by tabs: the dialog's list aligns them, and so does a mail or a ticket.
    line += '\t';
    line += text.code;
    line += '\t';
    line += text.message;
    if (!finding.detail.empty()) {
        if (!line.empty() && line.back() == ':')
            line += ' ' + finding.detail;
        else
            line += " (" + finding.detail + ')';
    }
    return line;
}

FindingTarget TargetOf(const cd_check::Finding& finding, std::string_view editedSection) {
    FindingTarget target;
    const std::string& key = finding.key;
    if (ascii_case::Same(finding.section, editedSection)) {
        if (ascii_case::Same(key, inf_names::Open()))
            target.place = FindingPlace::kAutoPlayFile;
        else if (ascii_case::Same(key, inf_names::Icon()))
            target.place = FindingPlace::kIconFile;
        else if (ascii_case::Same(key, inf_names::kLabel))
            target.place = FindingPlace::kCdLabel;
        else if (const std::optional<std::string> name = entry_names::EntryNameOfKey(
                     key, inf_names::ShellPrefix(), entry_names::PrefixCase::kIgnored)) {
            target.place = FindingPlace::kEntry;
            target.entry = *name;
        }
    } else if (ascii_case::Same(finding.section, inf_names::Orbilan())) {
        if (ascii_case::Same(key, LoadResourceString(IDS_HEADLINE)))
            target.place = FindingPlace::kHeadline;
        else if (ascii_case::Same(key, LoadResourceString(IDS_TEXT)))
            target.place = FindingPlace::kQuestionText;
        else if (ascii_case::Same(key, inf_names::Exec()))
            target.place = FindingPlace::kStarterProgram;
    }
    return target;
}
