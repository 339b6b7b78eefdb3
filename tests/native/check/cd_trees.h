// CD directories written for a test: each file with its path below the root ('/' between
// directories) and its bytes.
#pragma once

#include "cd_check.h"
#include "check_command.h"
#include "temp_dir.h"

#include <map>
#include <string>
#include <vector>

using CdFiles = std::map<std::string, std::string>;

// Writes the files below dir's path, making the directories they need.
void WriteTree(const TempDir& dir, const CdFiles& files);

// quillot-check's command line run in-process; "CD" among arguments stands for dir's path.
cd_check::CommandResult RunCommand(const TempDir& dir, const std::vector<std::string>& arguments);

// The codes of the findings, in the order they are reported.
std::vector<std::string> CodesOf(const cd_check::CheckResult& result);
