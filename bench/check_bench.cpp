// Checks generated CDs with quillot-check's rules in-process and prints the time per key of
// the INF at 1,000, 10,000 and 100,000 keys, and the times of the two shapes that once took
// seconds: 20,000 keys and 3,000 context-menu entries.
//
//   check_bench [WORK_DIRECTORY]            the figures
//   check_bench --write DIRECTORY KEYS [verbs]
//                                           writes one such CD, for timing the program itself
//
// Each CD holds an AutoRun.INF whose [AutoRun] has Open, Icon and Label and then context-menu
// entries (a text key and a command key each), their commands naming a few programs that lie
// on the CD and some that do not; [AutoRun.Amd64] repeats a tenth of the keys. The "keys"
// shape spreads its keys over as many more sections of other names (200 keys each).
//
// The baseline is reading the same INF into the INI document alone, which every check pays
// before it looks at anything: the ratio check/read says what the checks add, and a ratio
// that stays level from 1,000 to 100,000 keys says that they grow no faster than the reading.
// "check - read" is the difference within each pair: the checks' own time per key, which
// stays level when they take linear time. Samples of check and baseline alternate; warm-up
// samples are discarded; medians.
#include "cd_check.h"
#include "ini_file.h"
#include "sample_stats.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned kKeyCounts[] = {1000, 10000, 100000};
constexpr int kWarmUpSamples = 1;
constexpr int kSamples = 7;
// Programs on the CD that the commands name in turn; every eighth command names one that
// is missing.
constexpr unsigned kPrograms = 16;
constexpr unsigned kKeysPerOtherSection = 200;

using Clock = std::chrono::steady_clock;

enum class Shape { kVerbs, kKeys };

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A CD of about keys keys in its INF.
void WriteCd(const std::filesystem::path& root, unsigned keys, Shape shape) {
    std::filesystem::remove_all(root);
    for (unsigned index = 0; index < kPrograms; ++index)
        WriteFile(root / "bin" / ("tool" + std::to_string(index) + ".exe"), "MZ");
    WriteFile(root / "setup.exe", "MZ");
    std::string inf = "[AutoRun]\r\nopen=setup.exe /q\r\nicon=setup.exe\r\nlabel=Benchmark\r\n";
    std::string platform = "[AutoRun.Amd64]\r\nopen=setup.exe /x64\r\n";
    const unsigned verbs = shape == Shape::kVerbs ? keys / 2 : keys / 20;
    for (unsigned verb = 0; verb < verbs; ++verb) {
        const std::string name = "shell\\v" + std::to_string(verb);
        const std::string program = verb % 8 == 7 ? "fehlt" + std::to_string(verb)
                                                  : "tool" + std::to_string(verb % kPrograms);
        const std::string lines = name + "=Eintrag " + std::to_string(verb) + "\r\n" + name +
                                  "\\command=bin\\" + program + ".exe /a \"x y\"\r\n";
        inf += lines;
        if (verb % 10 == 0)
            platform += lines;
    }
    inf += platform;
    if (shape == Shape::kKeys) {
        const unsigned rest = keys - 2 * verbs;
        for (unsigned key = 0; key < rest; ++key) {
            if (key % kKeysPerOtherSection == 0)
                inf += "[Teil" + std::to_string(key / kKeysPerOtherSection) + "]\r\n";
            inf += "Schluessel" + std::to_string(key) + "=Wert " + std::to_string(key) + "\r\n";
        }
    }
    WriteFile(root / "AutoRun.INF", inf);
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double TimeCheck(const std::filesystem::path& root) {
    const Clock::time_point start = Clock::now();
    const cd_check::CheckResult result = cd_check::CheckCd(root, {});
    const double seconds = Seconds(start);
    if (result.problem != cd_check::Problem::kNone) {
        std::fprintf(stderr, "check_bench: the check failed\n");
        std::exit(1);
    }
    return seconds;
}

double TimeRead(const std::filesystem::path& root) {
    const Clock::time_point start = Clock::now();
    {
        const INIFile document((root / "AutoRun.INF").string().c_str());
        if (document.Sections().GetItemsInContainer() == 0) {
            std::fprintf(stderr, "check_bench: nothing read\n");
            std::exit(1);
        }
    }
    return Seconds(start);
}

struct Figures {
    SampleSummary check;
    SampleSummary read;
    // What the checks add to the reading, pair by pair.
    SampleSummary checksAlone;
    SampleSummary ratio;
};

Figures Measure(const std::filesystem::path& root) {
    std::vector<double> checks;
    std::vector<double> reads;
    std::vector<double> differences;
    std::vector<double> ratios;
    for (int sample = 0; sample < kWarmUpSamples + kSamples; ++sample) {
        // The order flips from one pair to the next.
        double check = 0;
        double read = 0;
        if (sample % 2 == 0) {
            check = TimeCheck(root);
            read = TimeRead(root);
        } else {
            read = TimeRead(root);
            check = TimeCheck(root);
        }
        if (sample < kWarmUpSamples)
            continue;
        checks.push_back(check);
        reads.push_back(read);
        differences.push_back(check - read);
        ratios.push_back(check / read);
    }
    return {Summarize(checks), Summarize(reads), Summarize(differences), Summarize(ratios)};
}

void Report(const char* title, unsigned keys, const Figures& figures) {
    const double perKey = 1e6 / keys;
    std::printf("%s\n", title);
    std::printf("  check  %s; whole %.1f ms\n", Describe(figures.check, "us/key", perKey).c_str(),
                figures.check.median * 1e3);
    std::printf("  read   %s\n", Describe(figures.read, "us/key", perKey).c_str());
    std::printf("  check - read %s\n", Describe(figures.checksAlone, "us/key", perKey).c_str());
    std::printf("  ratio check/read %s\n", DescribeRatios(figures.ratio).c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--write") {
        const Shape shape =
            argc >= 5 && std::string(argv[4]) == "verbs" ? Shape::kVerbs : Shape::kKeys;
        WriteCd(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)), shape);
        return 0;
    }
    const std::filesystem::path work =
        argc >= 2 ? std::filesystem::path(argv[1])
                  : std::filesystem::temp_directory_path() / "quillot_check_bench";
    std::printf("quillot-check's rules in-process; %d samples after %d warm-up, medians\n",
                kSamples, kWarmUpSamples);
    for (const unsigned keys : kKeyCounts) {
        WriteCd(work, keys, Shape::kVerbs);
        const std::string title =
            std::to_string(keys) + " keys (" + std::to_string(keys / 2) + " context-menu entries)";
        Report(title.c_str(), keys, Measure(work));
    }
    WriteCd(work, 20000, Shape::kKeys);
    Report("20000 keys (1000 context-menu entries, 90 more sections)", 20000, Measure(work));
    WriteCd(work, 6000, Shape::kVerbs);
    Report("3000 context-menu entries (6000 keys)", 6000, Measure(work));
    std::filesystem::remove_all(work);
    return 0;
}
