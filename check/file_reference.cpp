#include "file_reference.h"

#include "command_program.h"
#include "root_references.h"

#include <array>

namespace cd_check {

namespace {

// A root that no text of an INF can name or climb back into: its only component is ":",
// which a text without ':' never holds, while a text with ':' is a full path of its own. So
// every full path lies outside, as a drive letter on a CD names some other disk.
constexpr std::string_view kVirtualRoot = ":\\";

// Programs that Windows itself provides on its search path: named bare, they need not lie on
// the CD.
constexpr std::array<std::string_view, 14> kSystemPrograms = {
    "cmd.exe",      "command.com",  "control.exe", "cscript.exe", "explorer.exe",
    "hh.exe",       "msiexec.exe",  "mshta.exe",   "notepad.exe", "regedit.exe",
    "rundll32.exe", "winhlp32.exe", "write.exe",   "wscript.exe"};

bool HasExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && name.find('\\', dot) == std::string_view::npos;
}

bool IsSystemProgram(std::string_view name) {
    for (std::string_view program : kSystemPrograms) {
        if (SameFileName(name, program))
            return true;
        if (!HasExtension(name) && SameFileName(name, program.substr(0, program.rfind('.'))))
            return true;
    }
    return false;
}

// "http://...", "mailto:...": a scheme of two letters or more before the ':' (one letter is
// a drive).
bool IsAddress(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')))
            return false;
    }
    return true;
}

} // namespace

std::string ProgramOf(const CdTree& tree, std::string_view commandLine) {
    return command_program::ProgramOf(commandLine,
                                      [&tree](const std::string& candidate) {
                                          return ResolveFile(tree, candidate, true).status ==
                                                 FileReference::Status::kOnCd;
                                      })
        .file;
}

FileReference ResolveFile(const CdTree& tree, std::string_view text, bool isProgram) {
    FileReference reference;
    if (IsAddress(text)) {
        reference.status = FileReference::Status::kNotAFile;
        return reference;
    }
    const std::string full = root_references::AbsoluteReference(kVirtualRoot, text);
    const std::optional<std::string> relative = root_references::RelativeFile(kVirtualRoot, full);
    if (!relative) {
        reference.status = FileReference::Status::kOutside;
        return reference;
    }
    reference.relative = *relative;
    // An empty text names no file, as the editor's check has it.
    std::optional<CdPath> found;
    if (!text.empty())
        found = tree.Find(*relative);
    if (!found && isProgram && !text.empty() && !HasExtension(*relative))
        found = tree.Find(*relative + ".exe");
    if (found) {
        reference.status = FileReference::Status::kOnCd;
        reference.file = *found;
    } else if (relative->find('\\') == std::string::npos && IsSystemProgram(*relative)) {
        reference.status = FileReference::Status::kSystemProgram;
    }
    return reference;
}

} // namespace cd_check
