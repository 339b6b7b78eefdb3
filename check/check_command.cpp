#include "check_command.h"

#include "cd_check.h"
#include "check_platform.h"
#include "report.h"
#include "utf8.h"

namespace cd_check {

namespace {

CommandResult Refused(Problem problem, const std::string& about,
                      const std::string& reason = std::string()) {
    CommandResult result;
    result.exitCode = 2;
    result.error = utf8::OfCodePage(TextOf(problem));
    if (!about.empty())
        result.error += ' ' + about;
    if (!reason.empty())
        result.error += " (" + utf8::OfCodePage(reason) + ')';
    result.error += '\n';
    return result;
}

} // namespace

CommandResult RunCheckCommand(const std::vector<std::filesystem::path>& arguments) {
    bool json = false;
    CheckOptions options;
    std::vector<std::filesystem::path> paths;
    for (const std::filesystem::path& argument : arguments) {
        if (argument.native() == std::filesystem::path("--json").native())
            json = true;
        else if (argument.native() == std::filesystem::path("--iso9660").native())
            options.iso9660 = true;
        else if (argument.native() == std::filesystem::path("--targets").native())
            options.targets = true;
        else if (!argument.empty() && argument.native().front() == '-')
            return Refused(Problem::kUsage, "");
        else
            paths.push_back(argument);
    }
    if (paths.size() != 1)
        return Refused(Problem::kUsage, "");

    const CheckResult check = CheckCd(paths.front(), options);
    if (check.problem != Problem::kNone)
        return Refused(check.problem, check_platform::DisplayPath(check.problemPath),
                       check.problemReason);
    CommandResult result;
    result.exitCode = ExitCodeOf(check);
    result.output = json ? JsonReport(check) : TextReport(check);
    return result;
}

} // namespace cd_check
