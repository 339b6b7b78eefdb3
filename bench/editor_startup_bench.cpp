// The editor's two waits that a user sees, against a bare program that does only what the
// user waits for: from the start of the process to the painted open-file dialog, and from
// confirming the file to the painted main window "Marlisk V1.0". The bare program shows the
// same open-file dialog and then the editor's dialog layout as a plain dialog, reading
// nothing. Both lie in the same folder outside the CD and open the same AutoRun.INF on the
// CD (drive O:); they run alternately under the same Wine session and are ended by force.
//
//   editor_startup_bench [PAIRS]
#include "driver/cd_drive.h"
#include "driver/editor_session.h"
#include "driver/windows_of.h"
#include "paired_runs.h"
#include "resource_ids.h"
#include "sample_stats.h"
#include "window_timing.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kWarmUpPairs = 3;
constexpr int kDefaultPairs = 30;
constexpr char kCaption[] = "Marlisk V1.0";

// A CD as the editor meets it: the starter in use, an icon and two context-menu entries.
constexpr char kCdInf[] = "[AutoRun]\r\n"
                          "Open=Orbilan.EXE\r\n"
                          "Icon=Orbilan.EXE,0\r\n"
                          "Shell\\readme=Liesmich anzeigen\r\n"
                          "Shell\\readme\\Command=Orbilan.EXE\r\n"
                          "Shell\\setup=Installieren\r\n"
                          "Shell\\setup\\Command=Orbilan.EXE\r\n"
                          "\r\n"
                          "[Orbilan]\r\n"
                          "Headline=Willkommen\r\n"
                          "Text=Soll das Programm gestartet werden?\r\n"
                          "Exec=Orbilan.EXE\r\n";

// The caption of another process's window, read without sending it a message: a poll that
// sent one every millisecond would compete with the program's painting (a window paints only
// when no sent message is waiting) and so disturb what is measured.
std::string Caption(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The file dialog and the bare program's main dialog share class and caption: the file name
// field tells them apart.
bool IsFileDialog(HWND window) {
    return ClassOf(window) == "#32770" && Caption(window) == kCaption &&
           FindDescendant(window, kFileNameEdit) != nullptr;
}

// The editor's dialog layout, in the editor's frame or as the bare program's own window; its
// labels carry the id of a message box's text, so the "Test" button identifies it.
bool IsMainWindow(HWND window) {
    return Caption(window) == kCaption && FindDescendant(window, IDC_TEST_STARTER) != nullptr;
}

std::optional<std::vector<double>> TimeEditor(const std::string& exePath) {
    const Stopwatch sinceStart;
    EditorSession session(exePath);
    const DWORD id = session.Process().id();
    HWND fileDialog = WaitForPaintedWindow(id, IsFileDialog, kWindowTimeoutMs);
    const double toFileDialog = sinceStart.Seconds();
    if (fileDialog == nullptr) {
        std::fprintf(stderr, "%s: no file dialog: %s\n", exePath.c_str(),
                     DescribeWindowsOf(id).c_str());
        return std::nullopt;
    }

    const Stopwatch sinceChoice;
    EditorSession::ChooseFile(fileDialog, CdRoot() + "AutoRun.INF");
    HWND mainWindow = WaitForPaintedWindow(id, IsMainWindow, kWindowTimeoutMs);
    const double toMainWindow = sinceChoice.Seconds();
    if (mainWindow == nullptr) {
        HWND shown = WaitForWindowWhere(id, IsMainWindow, 0);
        std::fprintf(stderr, "%s: no painted main window: %s; unpainted:%s\n", exePath.c_str(),
                     DescribeWindowsOf(id).c_str(), DescribeUnpainted(shown).c_str());
        return std::nullopt;
    }
    return std::vector<double>{toFileDialog, toMainWindow};
}

} // namespace

int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::atoi(argv[1]) : kDefaultPairs;
    if (!CdDriveMapped()) {
        std::fprintf(stderr, "drive %s is not mapped; run scripts/bench.sh\n", CdRoot().c_str());
        return 1;
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string toolDir = std::string(temp) + "quillot-bench\\";
    CreateDirectoryA(toolDir.c_str(), nullptr);
    const std::string editor = toolDir + "quillot.exe";
    const std::string bare = toolDir + "bare.exe";
    ClearCd();
    if (!CopyFileA(WindowsPathOf(QUILLOT_EXE).c_str(), editor.c_str(), FALSE) ||
        !CopyFileA(WindowsPathOf(BARE_EDITOR_EXE).c_str(), bare.c_str(), FALSE) ||
        !WriteCdFile("AutoRun.INF", kCdInf) ||
        !CopyToCd(WindowsPathOf(ORBILAN_EXE), "Orbilan.EXE")) {
        std::fprintf(stderr, "cannot place the programs and fill the CD\n");
        return 1;
    }

    PairedSeries series;
    const bool measured = RunPairs([&] { return TimeEditor(editor); },
                                   [&] { return TimeEditor(bare); }, kWarmUpPairs, pairs, series);
    ClearCd();
    if (!measured)
        return 1;

    const char* const phases[] = {"Start to painted open-file dialog",
                                  "File confirmed to painted main window \"Marlisk V1.0\""};
    for (int phase = 0; phase < 2; ++phase) {
        const SampleSummary subject = Summarize(series.subject[phase]);
        const SampleSummary baseline = Summarize(series.baseline[phase]);
        std::printf("%s, %d alternating pairs after %d warm-up pairs\n", phases[phase], pairs,
                    kWarmUpPairs);
        std::printf("  quillot.exe (x86_64) %s\n", Describe(subject, "ms", 1000).c_str());
        std::printf("  bare program         %s\n", Describe(baseline, "ms", 1000).c_str());
        const SampleSummary ratios =
            Summarize(PairRatios(series.subject[phase], series.baseline[phase]));
        std::printf("  ratio of medians quillot/bare: %.2fx; median of the pairs' ratios: %s\n",
                    RatioOfMedians(subject, baseline), DescribeRatios(ratios).c_str());
    }
    return 0;
}
