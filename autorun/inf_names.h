// The names of sections, keys and files that the check looks for. Those the editor and the
// starter use come from their string table, so that all three agree; the others are read only
// by Windows.
#pragma once

namespace inf_names {

const char* InfFile(); // AutoRun.INF
const char* AutoRun(); // the section
const char* Open();    // its keys
const char* Icon();
const char* ShellPrefix();   // Shell\ (before a verb)
const char* CommandSuffix(); // \Command (behind a verb)
const char* Orbilan();       // the starter's section
const char* Exec();          // its program
const char* StarterFile();   // Orbilan.EXE

// Keys that only Windows reads.
constexpr const char* kShellExecute = "ShellExecute";
constexpr const char* kLabel = "Label";
constexpr const char* kAction = "Action";
constexpr const char* kUseAutoPlay = "UseAutoPlay";
// The content AutoPlay offers handlers for, and its keys.
constexpr const char* kContent = "Content";
constexpr const char* kContentKeys[] = {"MusicFiles", "PictureFiles", "VideoFiles"};
// The verb that opens on a double click.
constexpr const char* kDefaultVerb = "Shell";
// Sections such as [AutoRun.Amd64] stand in for [AutoRun] on their platform.
constexpr char kPlatformSeparator = '.';
// The processors of the NT family whose sections Microsoft's own media carry.
constexpr const char* kX86 = "x86";
constexpr const char* kAmd64 = "Amd64";

} // namespace inf_names
