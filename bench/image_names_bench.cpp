// The numbering of clashing 8.3 names: quillot-image writes folders of empty files whose long
// names all cut to one 8.3 name (10,000 and 20,000 of them, as a camera names its photos)
// and, alternately, a folder of 10,000 names that are 8.3 already (the baseline: the same
// reading, layout and writing without numbering). Prints the medians and their ratios; with
// numbering in linear time the 20,000 take about twice the 10,000.
//
//   image_names_bench WORK_DIR
#include "image_command.h"
#include "sample_stats.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWarmUps = 1;
constexpr int kSamples = 5;

void MakeFolder(const fs::path& root, int count, bool clashing) {
    fs::create_directories(root / "Bilder");
    for (int number = 0; number < count; ++number) {
        char name[40];
        std::snprintf(name, sizeof name, clashing ? "photo_2023_%06d.jpg" : "P%07d.JPG", number);
        std::ofstream(root / "Bilder" / name);
    }
}

double SecondsToWrite(const fs::path& root, const fs::path& image) {
    const auto start = std::chrono::steady_clock::now();
    const iso_image::CommandResult result =
        iso_image::RunImageCommand({root.native(), image.native()}, false);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (result.exitCode != 0)
        std::fprintf(stderr, "%s%s", result.output.c_str(), result.error.c_str());
    fs::remove(image);
    return took.count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: image_names_bench ARBEITSVERZEICHNIS\n");
        return 2;
    }
    const fs::path work = fs::path(argv[1]) / "image-names";
    fs::remove_all(work);
    struct Folder {
        const char* what;
        int count;
        bool clashing;
        std::vector<double> seconds;
    } folders[] = {{"10000 names 8.3 already (baseline)", 10000, false, {}},
                   {"10000 clashing names", 10000, true, {}},
                   {"20000 clashing names", 20000, true, {}}};
    for (Folder& folder : folders)
        MakeFolder(work / std::to_string(&folder - folders), folder.count, folder.clashing);

    // In turns, so that a slow spell of the machine touches every folder alike.
    for (int run = 0; run < kWarmUps + kSamples; ++run) {
        for (Folder& folder : folders) {
            const fs::path root = work / std::to_string(&folder - folders);
            const double seconds = SecondsToWrite(root, work / "bild.iso");
            if (run >= kWarmUps)
                folder.seconds.push_back(seconds);
        }
    }
    const double baseline = Summarize(folders[0].seconds).median;
    std::printf("quillot-image, one folder of empty files, median of %d runs after %d warm-up\n",
                kSamples, kWarmUps);
    for (const Folder& folder : folders) {
        const SampleSummary summary = Summarize(folder.seconds);
        std::printf("  %-36s %s  %.2fx baseline\n", folder.what,
                    Describe(summary, "ms", 1000).c_str(), summary.median / baseline);
    }
    std::printf("  20000 against 10000 clashing names: %.2fx\n",
                Summarize(folders[2].seconds).median / Summarize(folders[1].seconds).median);
    fs::remove_all(work);
    return 0;
}
