#include "image_command.h"

#include "utf8.h"
#include "image_plan.h"
#include "media_fit.h"

#include <cstdlib>
#include <optional>

namespace iso_image {

namespace {

// Texts in code page 1252: \344 a-umlaut, \374 u-umlaut.
constexpr const char* kUsage =
    "Aufruf: quillot-image [--label NAME] [--no-udf] VERZEICHNIS ABBILD.iso";
constexpr const char* kNoDirectory = "Das Verzeichnis gibt es nicht:";
constexpr const char* kUnreadableDirectory = "Das Verzeichnis kann nicht gelesen werden:";
constexpr const char* kCannotCreate = "Das Abbild kann nicht angelegt werden:";
constexpr const char* kCannotWrite = "Das Abbild kann nicht geschrieben werden:";
constexpr const char* kCannotRead = "Die Datei kann nicht gelesen werden:";
constexpr const char* kChanged = "Die Datei hat sich w\344hrend des Schreibens ge\344ndert:";
constexpr const char* kCancelled = "Das Schreiben des Abbilds wurde abgebrochen.";
constexpr const char* kRefused =
    "Kein Abbild geschrieben: eine CD nach ISO 9660 mit Joliet und UDF kann diese Dateien nicht "
    "aufnehmen.";
constexpr const char* kWritten = "Abbild geschrieben:";
constexpr const char* kSkippedLink =
    "\334bersprungen: die Verkn\374pfung f\374hrt aus dem Verzeichnis hinaus:";

CommandResult Failed(const char* text, const std::string& about) {
    CommandResult result;
    result.exitCode = 2;
    result.error = utf8::OfCodePage(text);
    if (!about.empty())
        result.error += ' ' + about;
    result.error += '\n';
    return result;
}

bool IsOption(const image_platform::NativeString& argument) {
    return !argument.empty() && argument.front() == '-';
}

// SOURCE_DATE_EPOCH, when it holds a number of seconds.
std::optional<std::int64_t> SourceDateEpoch() {
    const char* value = std::getenv("SOURCE_DATE_EPOCH");
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    char* end = nullptr;
    const long long seconds = std::strtoll(value, &end, 10);
    if (*end != '\0')
        return std::nullopt;
    return static_cast<std::int64_t>(seconds);
}

class ProgressLine {
public:
    bool operator()(std::uint64_t written, std::uint64_t total) {
        const unsigned percent = total == 0 ? 100 : static_cast<unsigned>(written * 100 / total);
        if (percent == shown_)
            return true;
        shown_ = percent;
        image_platform::WriteText(image_platform::Stream::kOutput,
                                  "\rAbbild: " + std::to_string(percent) + " % (" +
                                      std::to_string(written >> 20) + " von " +
                                      std::to_string(total >> 20) + " MiB)");
        return true;
    }

private:
    unsigned shown_ = 101;
};

} // namespace

CommandResult RunImageCommand(const std::vector<image_platform::NativeString>& arguments,
                              bool showProgress) {
    std::optional<std::u16string> label;
    bool udf = true;
    std::vector<image_platform::NativeString> paths;
    const auto option = [](const std::string& text) {
        return image_platform::NativeString(text.begin(), text.end());
    };
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == option("--label") && index + 1 < arguments.size() && !label)
            label = image_platform::UnitsOf(arguments[++index]);
        else if (arguments[index] == option("--no-udf"))
            udf = false;
        else if (IsOption(arguments[index]))
            return Failed(kUsage, "");
        else
            paths.push_back(arguments[index]);
    }
    if (paths.size() != 2)
        return Failed(kUsage, "");
    const image_platform::NativeString& directory = paths[0];
    const image_platform::NativeString& target = paths[1];

    std::int64_t rootTime = 0;
    if (!image_platform::IsDirectory(directory, rootTime))
        return Failed(kNoDirectory, image_platform::DisplayPath(directory));
    ImagePlan plan =
        PlanImage(directory, label && !label->empty() ? label : std::nullopt, target, udf);
    const SourceTree& tree = plan.tree;
    if (tree.unreadable)
        return Failed(kUnreadableDirectory, image_platform::DisplayPath(tree.unreadablePath));
    std::string skipped;
    for (const std::u16string& link : tree.skippedLinks)
        skipped += utf8::OfCodePage(kSkippedLink) + ' ' + utf8::OfUnits(link) + '\n';
    if (!tree.refusals.empty()) {
        CommandResult result;
        result.exitCode = 1;
        result.output = skipped;
        for (const Refusal& refusal : tree.refusals)
            result.output +=
                utf8::OfCodePage(TextOf(refusal.kind)) + ' ' + utf8::OfUnits(refusal.path) + '\n';
        result.error = utf8::OfCodePage(kRefused) + '\n';
        return result;
    }

    VolumeSettings& settings = plan.settings;
    settings.time = SourceDateEpoch().value_or(settings.time);

    ProgressLine line;
    const Progress progress = [&line, showProgress](std::uint64_t written, std::uint64_t total) {
        if (image_platform::Interrupted())
            return false;
        return !showProgress || line(written, total);
    };
    const WriteResult written = WriteImage(tree, settings, target, progress);
    if (showProgress)
        image_platform::WriteText(image_platform::Stream::kOutput, "\n");
    switch (written.outcome) {
    case WriteOutcome::kWritten:
        break;
    case WriteOutcome::kCancelled:
        return Failed(kCancelled, "");
    case WriteOutcome::kCannotCreate:
        return Failed(kCannotCreate, image_platform::DisplayPath(target));
    case WriteOutcome::kCannotWrite:
        return Failed(kCannotWrite, image_platform::DisplayPath(target));
    case WriteOutcome::kCannotRead:
        return Failed(kCannotRead, image_platform::DisplayPath(written.path));
    case WriteOutcome::kChanged:
        return Failed(kChanged, image_platform::DisplayPath(written.path));
    }
    CommandResult result;
    result.output = skipped + utf8::OfCodePage(kWritten) + ' ' +
                    image_platform::DisplayPath(target) + '\n' +
                    MediumLine(SectorsOf(ImageSize(tree, settings))) + '\n';
    return result;
}

} // namespace iso_image
