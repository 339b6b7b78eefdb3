// Loads and saves INI files of 1,000, 10,000 and 100,000 lines with the INI document and
// compares it with libinih reading the same files. Prints per-line costs and their ratios, for
// files in sections of 40 lines and for files whose keys all stand in one section.
//
//   ini_bench [WORK_DIRECTORY]
//
// Load: the document is constructed from the file (read and parsed) and destroyed; the
// baselines are libinih's ini_parse with a handler that only counts, and its INIReader,
// which also stores every value. Save: one value of a loaded document is changed and Save
// writes the whole file; the baseline writes the same bytes from memory to a new file,
// flushes it to the disk and renames it over the old one, as the document's writer does.
//
// Two clocks: the CPU time of this thread (user and system, CLOCK_THREAD_CPUTIME_ID), which
// the other work of a shared machine hardly disturbs, and elapsed wall time (steady_clock),
// which also counts waiting for the disk and for a processor. Samples alternate their order
// and warm-up samples are discarded. Freed memory stays with the process (see main).
#include "ini_bench_input.h"
#include "ini_file.h"
#include "sample_stats.h"

#include <INIReader.h>
#include <ini.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr unsigned kLineCounts[] = {1000, 10000, 100000};

struct Layout {
    const char* name;
    // 0: the whole file is one section.
    unsigned linesPerSection;
};
constexpr Layout kLayouts[] = {{"sections of 40 lines", kLinesPerSection},
                               {"all keys in one section", 0}};
// Every sample handles this many lines, repeating the smaller files, so that each sample is
// long against the clock's resolution and the samples of all sizes are equally long.
constexpr unsigned kLinesPerSample = 100000;
constexpr int kWarmUpSamples = 3;
// glibc's largest threshold for serving an allocation from its own pages.
constexpr int kKeptMemory = 32 * 1024 * 1024;
constexpr int kSamples = 15;

using WallClock = std::chrono::steady_clock;

double ThreadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

struct Counts {
    unsigned long entries = 0;
};

int CountEntry(void* user, const char*, const char*, const char*) {
    ++static_cast<Counts*>(user)->entries;
    return 1;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return out.good();
}

// One way of handling a file, run repetitions times per sample.
struct Contender {
    Contender(const char* contenderName, std::function<bool()> runOnce)
        : name(contenderName), once(std::move(runOnce)) {}

    const char* name;
    std::function<bool()> once;
    std::vector<double> cpuPerLine;
    std::vector<double> wallPerLine;
};

// Runs the contenders in turn, the order reversed on every other sample, and records the
// cost per line of each sample after the warm-up.
bool Measure(std::vector<Contender>& contenders, unsigned lineCount) {
    const unsigned repetitions = kLinesPerSample / lineCount;
    for (int sample = 0; sample < kWarmUpSamples + kSamples; ++sample) {
        for (std::size_t turn = 0; turn < contenders.size(); ++turn) {
            Contender& c = contenders[sample % 2 == 0 ? turn : contenders.size() - 1 - turn];
            const double cpuStart = ThreadCpuNanoseconds();
            const auto wallStart = WallClock::now();
            for (unsigned r = 0; r < repetitions; ++r) {
                if (!c.once()) {
                    std::fprintf(stderr, "%s failed on %u lines\n", c.name, lineCount);
                    return false;
                }
            }
            const std::chrono::duration<double, std::nano> wall = WallClock::now() - wallStart;
            const double cpu = ThreadCpuNanoseconds() - cpuStart;
            const double lines = double{1} * repetitions * lineCount;
            if (sample >= kWarmUpSamples) {
                c.cpuPerLine.push_back(cpu / lines);
                c.wallPerLine.push_back(wall.count() / lines);
            }
        }
    }
    return true;
}

// Per contender: its name and the median cost per line on each clock, one per line count.
struct GrowthRow {
    std::string name;
    std::vector<double> cpu;
    std::vector<double> wall;
};
using Growth = std::vector<GrowthRow>;

void PrintComparison(const char* what, unsigned lineCount, const std::vector<Contender>& contenders,
                     Growth& growth) {
    const SampleSummary subjectCpu = Summarize(contenders.front().cpuPerLine);
    const SampleSummary subjectWall = Summarize(contenders.front().wallPerLine);
    std::printf("%s, %u lines (cost per line)\n", what, lineCount);
    growth.resize(contenders.size());
    for (std::size_t i = 0; i < contenders.size(); ++i) {
        const Contender& c = contenders[i];
        const SampleSummary cpu = Summarize(c.cpuPerLine);
        const SampleSummary wall = Summarize(c.wallPerLine);
        growth[i].name = c.name;
        growth[i].cpu.push_back(cpu.median);
        growth[i].wall.push_back(wall.median);
        std::printf("  %s\n    cpu  %s\n    wall %s\n", c.name, Describe(cpu, "ns").c_str(),
                    Describe(wall, "ns").c_str());
        if (i > 0)
            std::printf("    INIFile/this: cpu %.2fx, wall %.2fx\n",
                        RatioOfMedians(subjectCpu, cpu), RatioOfMedians(subjectWall, wall));
    }
}

void PrintRelative(const char* clock, const std::vector<double>& medians) {
    std::printf("    %-4s", clock);
    for (std::size_t i = 0; i < medians.size(); ++i)
        std::printf(" %6u lines %.2fx", kLineCounts[i],
                    medians[0] > 0 ? medians[i] / medians[0] : 0);
    std::printf("\n");
}

void PrintGrowth(const char* what, const Growth& growth) {
    std::printf("%s: median cost per line relative to the 1,000-line file\n", what);
    for (const GrowthRow& row : growth) {
        std::printf("  %s\n", row.name.c_str());
        PrintRelative("cpu", row.cpu);
        PrintRelative("wall", row.wall);
    }
}

// Loads and saves the files of every size in one layout; prints the figures and how the cost
// per line grows with the file.
bool MeasureLayout(const Layout& layout, const std::filesystem::path& directory) {
    Growth loadGrowth;
    Growth saveGrowth;
    for (const unsigned lineCount : kLineCounts) {
        const std::string text = MakeIniText(
            lineCount, layout.linesPerSection == 0 ? lineCount : layout.linesPerSection);
        const std::string input =
            (directory / ("input-" + std::to_string(lineCount) + ".ini")).string();
        const std::string saved =
            (directory / ("saved-" + std::to_string(lineCount) + ".ini")).string();
        const std::string plain =
            (directory / ("plain-" + std::to_string(lineCount) + ".ini")).string();
        if (!WriteFile(input, text) || !WriteFile(saved, text)) {
            std::fprintf(stderr, "cannot write into %s\n", directory.string().c_str());
            return false;
        }

        Counts counts;
        std::vector<Contender> loaders{
            {"INIFile (construct + destroy)",
             [&] {
                 INIFile document(input.c_str());
                 return document.FindSection(kChangedSection) != nullptr;
             }},
            {"libinih ini_parse (counting handler)",
             [&] { return ini_parse(input.c_str(), CountEntry, &counts) == 0; }},
            {"libinih INIReader (stores values)",
             [&] {
                 INIReader reader(input);
                 return reader.ParseError() == 0 && reader.HasSection(kChangedSection);
             }},
        };
        if (!Measure(loaders, lineCount))
            return false;
        PrintComparison("Load", lineCount, loaders, loadGrowth);

        INIFile document(saved.c_str());
        bool flip = false;
        const std::string temporary = plain + ".new";
        std::vector<Contender> savers{
            {"INIFile (SetString + Save)",
             [&] {
                 flip = !flip;
                 document.SetString(kChangedSection, kChangedKey, flip ? "1.00.0001" : "1.00.0002");
                 return document.Save();
             }},
            {"plain write + fsync + rename",
             [&] {
                 std::FILE* out = std::fopen(temporary.c_str(), "wb");
                 if (out == nullptr)
                     return false;
                 const bool written =
                     std::fwrite(text.data(), 1, text.size(), out) == text.size() &&
                     std::fflush(out) == 0 && fsync(fileno(out)) == 0;
                 return std::fclose(out) == 0 && written &&
                        std::rename(temporary.c_str(), plain.c_str()) == 0;
             }},
        };
        if (!Measure(savers, lineCount))
            return false;
        PrintComparison("Save", lineCount, savers, saveGrowth);
        std::printf("\n");
    }
    PrintGrowth("Load", loadGrowth);
    PrintGrowth("Save", saveGrowth);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // glibc hands the memory of a freed document back to the system when it lies at the top of
    // the heap, and the next repetition faults it in again page by page, or not, depending on
    // the order of the frees; on the virtual machines these figures come from a page fault
    // costs about 15 us, more than reading a hundred lines. These figures are of reading and
    // writing: the freed memory stays with the process, for every contender alike.
    mallopt(M_TRIM_THRESHOLD, kKeptMemory);
    mallopt(M_MMAP_THRESHOLD, kKeptMemory);
    const std::filesystem::path directory =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "quillot-ini-bench";
    std::filesystem::create_directories(directory);
    for (const Layout& layout : kLayouts) {
        std::printf("== Files in %s\n\n", layout.name);
        if (!MeasureLayout(layout, directory))
            return 1;
        std::printf("\n");
    }
    return 0;
}
