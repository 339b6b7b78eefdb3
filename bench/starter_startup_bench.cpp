// Time from the start of the starter's process to its painted question box, against a bare
// program that shows the same box. Both run from the CD (drive O:), alternately, under the
// same Wine session; each box is checked to be the expected one and answered with No.
//
//   starter_startup_bench [PAIRS]
#include "driver/cd_drive.h"
#include "driver/message_box.h"
#include "driver/test_process.h"
#include "driver/windows_of.h"
#include "paired_runs.h"
#include "question_texts.h"
#include "sample_stats.h"
#include "window_timing.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWarmUpPairs = 3;
constexpr int kDefaultPairs = 40;

// Starts the program, waits for its painted question box, answers No and waits for the end.
std::optional<std::vector<double>> TimeQuestion(const std::string& commandLine) {
    const Stopwatch sinceStart;
    TestProcess process(commandLine);
    if (!process.started())
        return std::nullopt;
    HWND box = WaitForPaintedWindow(process.id(), IsMessageBox, kWindowTimeoutMs);
    const double seconds = sinceStart.Seconds();
    if (box == nullptr) {
        std::fprintf(stderr, "%s: no question box: %s\n", commandLine.c_str(),
                     DescribeWindowsOf(process.id()).c_str());
        return std::nullopt;
    }
    const MessageBoxView view = ReadMessageBox(box);
    if (view.caption != kQuestionCaption || view.text != kQuestionText || !view.yes || !view.no) {
        std::fprintf(stderr, "%s: unexpected box \"%s\": \"%s\"\n", commandLine.c_str(),
                     view.caption.c_str(), view.text.c_str());
        return std::nullopt;
    }
    AnswerMessageBox(box, IDNO);
    if (!process.WaitForExit(kWindowTimeoutMs)) {
        std::fprintf(stderr, "%s: still running after No\n", commandLine.c_str());
        return std::nullopt;
    }
    return std::vector<double>{seconds};
}

} // namespace

int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::atoi(argv[1]) : kDefaultPairs;
    if (!CdDriveMapped()) {
        std::fprintf(stderr, "drive %s is not mapped; run scripts/bench.sh\n", CdRoot().c_str());
        return 1;
    }
    ClearCd();
    const std::string inf = std::string("[AutoRun]\r\nOpen=Orbilan.EXE\r\n\r\n[Orbilan]\r\n") +
                            "Headline=" + kQuestionCaption + "\r\nText=" + kQuestionText +
                            "\r\nExec=setup.exe\r\n";
    if (!WriteCdFile("AutoRun.INF", inf) || !CopyToCd(WindowsPathOf(ORBILAN_EXE), "Orbilan.EXE") ||
        !CopyToCd(WindowsPathOf(BARE_QUESTION_EXE), "Bare.EXE")) {
        std::fprintf(stderr, "cannot fill the CD\n");
        return 1;
    }

    PairedSeries series;
    const bool measured =
        RunPairs([] { return TimeQuestion(CdRoot() + "Orbilan.EXE"); },
                 [] { return TimeQuestion(CdRoot() + "Bare.EXE"); }, kWarmUpPairs, pairs, series);
    ClearCd();
    if (!measured)
        return 1;

    const SampleSummary starter = Summarize(series.subject[0]);
    const SampleSummary bare = Summarize(series.baseline[0]);
    std::printf("Start to painted question box, %d alternating pairs after %d warm-up pairs\n",
                pairs, kWarmUpPairs);
    std::printf("  orbilan.exe (x86_64)     %s\n", Describe(starter, "ms", 1000).c_str());
    std::printf("  bare MessageBoxA program %s\n", Describe(bare, "ms", 1000).c_str());
    std::printf(
        "  ratio of medians starter/bare: %.2fx; median of the pairs' ratios: %s\n",
        RatioOfMedians(starter, bare),
        DescribeRatios(Summarize(PairRatios(series.subject[0], series.baseline[0]))).c_str());
    return 0;
}
