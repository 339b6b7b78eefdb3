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
// The verb that opens on a double click.
constexpr const char* kDefaultVerb = "Shell";
// Sections such as [AutoRun.Amd64] stand in for [AutoRun] on their platform.
constexpr char kPlatformSeparator = '.';

} // namespace inf_names
