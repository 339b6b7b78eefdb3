// Real AutoRun.INF files through the real editor: each is put on the test CD as its INF,
// opened, and saved with OK without an edit. Windows' own profile reader must then see every
// key of the original with its value, except where a documented rule of the INI document or
// of the editor's write-back changes it; the test reports those exceptions file by file.
//
// The CD holds the INF and, in one run, where the INF's icon names a plain file of the CD, a
// program with three icons under that name (without the quotes, if the INF has any: Windows
// drops them); in the other run nothing else, so that no icon can be shown and every "Icon"
// value must come back as it was. The corpus has no starter settings, so loading shows no message
// and OK runs no file check: any window but the editor's own fails the test.
#include "autorun_inf.h"
#include "corpus_files.h"
#include "editor_on_cd.h"
#include "ini_file.h"
#include "profile_comparison.h"
#include "profile_view.h"
#include "save_rules.h"
#include "string_table.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The corpus is run in parts, each a test of its own, so that every part stays well inside the
// time a single test may take.
constexpr std::size_t kParts = 4;

const std::string kThreeIcons = WindowsPathOf(THREE_ICONS_EXE);

std::string DescribeBox(HWND box) {
    const MessageBoxView view = ReadMessageBox(box);
    return "message box \"" + view.caption + "\": \"" + view.text + "\"";
}

// A part of the corpus, and whether the icon files lie on the CD.
using CorpusRun = std::tuple<std::size_t, bool>;

std::string RunName(const testing::TestParamInfo<CorpusRun>& info) {
    return "Part" + std::to_string(std::get<0>(info.param)) +
           (std::get<1>(info.param) ? "WithIconFiles" : "WithoutIconFiles");
}

class CorpusThroughEditor : public EditorOnCd, public testing::WithParamInterface<CorpusRun> {
protected:
    // Opens the CD's INF in a new editor; a message box instead of the main window fails, but
    // for a file of processor sections only the one that says so, which the user confirms.
    void OpenInf(bool processorSectionsOnly) {
        HWND window = nullptr;
        ASSERT_NO_FATAL_FAILURE(ChooseCdInf(window));
        if (processorSectionsOnly) {
            HWND box = WaitForBox();
            ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
            EXPECT_EQ(
                ReadMessageBox(box).text.rfind(StringTableText(IDS_PROCESSOR_SECTION_ONLY), 0), 0u)
                << DescribeBox(box);
            AnswerMessageBox(box, IDOK);
        } else {
            ASSERT_FALSE(IsMessageBox(window)) << DescribeBox(window);
        }
        ASSERT_NE(session_->WaitForMainWindow(), nullptr)
            << DescribeWindowsOf(session_->Process().id());
    }

    // Presses OK and waits for the editor to end; any window but the closing main window fails.
    void PressOkAndExpectEndWithoutWindow() {
        session_->Click(IDOK);
        constexpr DWORD kStepMs = 50;
        for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += kStepMs) {
            if (const auto code = session_->Process().WaitForExit(kStepMs)) {
                EXPECT_EQ(*code, 0u);
                return;
            }
            // A window that is gone by the time its class is asked for is the main window
            // closing, not another one: it has no class any more.
            HWND other = WaitForWindowWhere(
                session_->Process().id(),
                [](HWND window) {
                    const std::string name = ClassOf(window);
                    return !name.empty() && name != "QuillotFrame";
                },
                0);
            ASSERT_EQ(other, nullptr)
                << "[" << ClassOf(other) << " \"" << WindowText(other) << "\"] "
                << (IsMessageBox(other) ? DescribeBox(other)
                                        : DescribeWindowsOf(session_->Process().id()));
        }
        FAIL() << "still running with " << DescribeWindowsOf(session_->Process().id());
    }
};

TEST_P(CorpusThroughEditor, TheReaderSeesEveryKeyAfterOkButWhereARuleSaysOtherwise) {
    const std::vector<std::string> names = CorpusFileNames();
    ASSERT_EQ(names.size(), 60u) << "tests/corpus lists 60 files in its manifest";
    const auto [part, iconFilesOnCd] = GetParam();
    ScratchDir scratch("corpus-e2e");
    ComparisonReport report;
    for (std::size_t index = part; index < names.size(); index += kParts) {
        const std::string& name = names[index];
        SCOPED_TRACE(name);
        ClearCd();
        ASSERT_TRUE(CopyToCd(CorpusPath(name), "AutoRun.INF"));
        std::optional<IconOnCd> icon;
        if (iconFilesOnCd)
            icon =
                IconFileToPlace(INIFile(CorpusPath(name).c_str()).GetString("AutoRun", "Icon", ""));
        if (icon) {
            // Windows takes "/" as a path separator; the CD's folders are made at backslashes.
            std::string place = icon->file;
            std::replace(place.begin(), place.end(), '/', '\\');
            ASSERT_TRUE(CopyToCd(kThreeIcons, place)) << place;
        }
        const INIFile document(CorpusPath(name).c_str());
        OpenInf(
            autorun::IsProcessorSection(autorun::SectionToEdit(autorun::InfView(document, false))));
        if (!HasFatalFailure())
            PressOkAndExpectEndWithoutWindow();
        session_.reset();
        if (HasFatalFailure())
            break;

        // A copy under a name of its own: the reader may hold on to what it read of a path.
        const std::string saved = scratch.PathOf(name);
        ASSERT_TRUE(CopyFileA((CdRoot() + "AutoRun.INF").c_str(), saved.c_str(), FALSE));
        const Profile original = ReadProfile(CorpusPath(name));
        ASSERT_FALSE(original.sections.empty()) << "the reader sees nothing of the original";
        report.Add(name, original,
                   CompareProfiles(original, ReadProfile(saved), EditorRules(icon)));
    }
    std::cout << report.Text();
    EXPECT_EQ(report.Unexplained(), 0) << "data lost or changed against the rules, see above";
}

INSTANTIATE_TEST_SUITE_P(Parts, CorpusThroughEditor,
                         testing::Combine(testing::Range<std::size_t>(0, kParts), testing::Bool()),
                         RunName);

} // namespace
