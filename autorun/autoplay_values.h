// The values of the keys AutoPlay reads (Windows XP on), as Windows takes them: the content
// AutoPlay offers handlers for, whether AutoPlay stands in for AutoRun, and the text of the
// program's line, which may name a string resource in a file.
#pragma once

#include <string>
#include <string_view>

namespace autoplay_values {

// [Content]'s MusicFiles, PictureFiles, VideoFiles (Windows Vista on).
enum class ContentChoice {
    kUnset,   // no value: AutoPlay decides from what it finds
    kForce,   // 1 y yes t true: the handlers of that content are offered
    kHide,    // 0 n no f false: they are not
    kUnknown, // anything else; what Windows does with it is not documented
};
ContentChoice ReadContentChoice(std::string_view value);
// The value to store for choice, given what was stored: the stored spelling ("YES", "0")
// while the choice is what it reads as; "true" or "false" for a choice made anew; empty (the
// key goes) for kUnset. kUnknown keeps what was stored.
std::string ContentValueFor(ContentChoice choice, std::string_view stored);

// Windows before 8 know only "1" for UseAutoPlay (from 8 on, "0" turns AutoPlay off for the
// device): another value is taken as what no Windows documents.
bool IsDocumentedUseAutoPlay(std::string_view value);

// The three states of a check box for UseAutoPlay: on ("1"), off (no key), and a value no
// Windows documents, shown as neither and kept while the user leaves the box so.
enum class UseAutoPlayState { kOff, kOn, kOther };
UseAutoPlayState ReadUseAutoPlay(std::string_view value);
std::string UseAutoPlayValueFor(UseAutoPlayState state, std::string_view stored);

// An action of the form @[path\]file,-id names string id in file; file is empty for a plain
// text. A file starting with "%" names one of the system's by an environment variable.
struct ActionText {
    std::string_view file;
    std::string_view id;
};
ActionText ReadActionText(std::string_view value);

} // namespace autoplay_values
