#include "report.h"

#include "check_platform.h"
#include "utf8.h"

namespace cd_check {

namespace {

struct Counts {
    int errors = 0;
    int warnings = 0;
};

Counts CountOf(const Findings& findings) {
    Counts counts;
    for (const Finding& finding : findings) {
        if (TextOf(finding.kind).severity == Severity::kError)
            ++counts.errors;
        else
            ++counts.warnings;
    }
    return counts;
}

// The message with what it is about: behind a colon, or in brackets.
std::string MessageOf(const Finding& finding) {
    std::string message = utf8::OfCodePage(TextOf(finding.kind).message);
    if (finding.detail.empty())
        return message;
    const std::string detail = utf8::OfCodePage(finding.detail);
    if (!message.empty() && message.back() == ':')
        return message + ' ' + detail;
    return message + " (" + detail + ')';
}

std::string JsonString(const std::string& utf8) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A JSON string of a text in code page 1252, or null for an empty one.
std::string JsonTextOrNull(const std::string& cp1252) {
    return cp1252.empty() ? "null" : JsonString(utf8::OfCodePage(cp1252));
}

std::string JsonStrings(const std::vector<std::string>& cp1252) {
    std::string out = "[";
    for (const std::string& text : cp1252)
        out += (out.size() > 1 ? ", " : "") + JsonString(utf8::OfCodePage(text));
    return out + ']';
}

std::string JsonTargets(const std::vector<TargetAnswer>& answers) {
    static constexpr const char* kOnInsert[] = {"started", "offered", "nothing"};
    std::string out = "[";
    for (const TargetAnswer& answer : answers) {
        out += out.size() > 1 ? ",\n" : "\n";
        out += "    {\"windows\": " + JsonString(utf8::OfCodePage(answer.target->name));
        out += ", \"section\": " + JsonTextOrNull(answer.section);
        out += ", \"onInsert\": \"";
        out += kOnInsert[static_cast<int>(answer.onInsert)];
        out += "\", \"command\": " + JsonTextOrNull(answer.command);
        out += ", \"autoPlayText\": " + JsonTextOrNull(answer.offerText);
        out += ", \"icon\": " + JsonTextOrNull(answer.icon);
        out += ", \"label\": " + JsonTextOrNull(answer.label);
        out += ", \"entries\": " + JsonStrings(answer.entries);
        out += ", \"defaultEntry\": " + JsonTextOrNull(answer.defaultEntry);
        out += ", \"content\": " + JsonTextOrNull(answer.content);
        std::vector<std::string> notes;
        for (const TargetNote& note : answer.notes)
            notes.push_back(TextOf(note));
        out += ", \"notes\": " + JsonStrings(notes) + '}';
    }
    return out + "\n  ]";
}

} // namespace

int ExitCodeOf(const CheckResult& result) {
    if (result.problem != Problem::kNone)
        return 2;
    return CountOf(result.findings).errors > 0 ? 1 : 0;
}

std::string TextReport(const CheckResult& result) {
    std::string out;
    if (!result.inf.empty())
        out += check_platform::DisplayPath(result.inf) + '\n';
    for (const Finding& finding : result.findings) {
        const FindingText& text = TextOf(finding.kind);
        out += text.severity == Severity::kError ? "Fehler  " : "Warnung ";
        out += text.code;
        if (!finding.section.empty())
            out += " [" + utf8::OfCodePage(finding.section) + ']';
        if (!finding.key.empty())
            out += ' ' + utf8::OfCodePage(finding.key);
        if (finding.line != 0)
            out += ", Zeile " + std::to_string(finding.line);
        out += ": " + MessageOf(finding) + '\n';
    }
    const Counts counts = CountOf(result.findings);
    out += std::to_string(counts.errors) + " Fehler, " + std::to_string(counts.warnings) +
           (counts.warnings == 1 ? " Warnung\n" : " Warnungen\n");
    if (!result.targets.empty())
        out += '\n' + utf8::OfCodePage(TargetsTable(result.targets));
    return out;
}

std::string JsonReport(const CheckResult& result) {
    const Counts counts = CountOf(result.findings);
    std::string out = "{\n  \"inf\": ";
    out += result.inf.empty() ? "null" : JsonString(check_platform::DisplayPath(result.inf));
    out += ",\n  \"errors\": " + std::to_string(counts.errors);
    out += ",\n  \"warnings\": " + std::to_string(counts.warnings);
    out += ",\n  \"findings\": [";
    for (std::size_t index = 0; index < result.findings.size(); ++index) {
        const Finding& finding = result.findings[index];
        const FindingText& text = TextOf(finding.kind);
        out += index == 0 ? "\n" : ",\n";
        out += "    {\"code\": " + JsonString(text.code);
        out += ", \"severity\": ";
        out += text.severity == Severity::kError ? "\"error\"" : "\"warning\"";
        out += ", \"section\": " + JsonTextOrNull(finding.section);
        out += ", \"key\": " + JsonTextOrNull(finding.key);
        out += ", \"line\": " + (finding.line != 0 ? std::to_string(finding.line) : "null");
        out += ", \"message\": " + JsonString(utf8::OfCodePage(text.message));
        out += ", \"detail\": " + JsonTextOrNull(finding.detail) + '}';
    }
    out += result.findings.empty() ? "]" : "\n  ]";
    if (!result.targets.empty())
        out += ",\n  \"targets\": " + JsonTargets(result.targets);
    return out + "\n}\n";
}

} // namespace cd_check
