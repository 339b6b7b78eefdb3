// The real AutoRun.INF files of the corpus, each alone on a CD of its own: the check reads
// every one to its end under the sanitizers, reports only what its table knows, and finds in
// all of them together what it found before a change of its rules, unless that change
// explains the difference.
#include "cd_check.h"

#include "cd_trees.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

namespace {

TEST(Corpus, EveryFileIsChecked) {
    std::set<std::string> known;
    for (const cd_check::FindingText& text : cd_check::AllFindingTexts())
        known.insert(text.code);

    std::map<std::string, int> counts;
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(QUILLOT_CORPUS_DIR)) {
        if (item.path().extension() != ".inf")
            continue;
        ++files;
        TempDir dir;
        WriteTree(dir, {{"AutoRun.INF", ReadBytes(item.path().string())}});
        const cd_check::CheckResult result = cd_check::CheckCd(dir.Path(), {});
        EXPECT_EQ(cd_check::Problem::kNone, result.problem) << item.path();
        for (const std::string& code : CodesOf(result)) {
            EXPECT_EQ(1u, known.count(code)) << item.path();
            ++counts[code];
        }
    }
    EXPECT_EQ(60, files);
    const std::map<std::string, int> expected = {
        {"Q103", 6},
        // 60-ie4-cd-no-autorun-section.inf.
        {"Q201", 1},
        // 34-grass7-amd64-and-default.inf: [AutoRun.Amd64] starts another program with
        // another icon than [AutoRun].
        {"Q204", 1},
        {"Q205", 2},
        // Every program of an INF alone on its CD is missing.
        {"Q301", 97},
        {"Q302", 1},
        // 07-tinywin11-amd64-section-only.inf: [AutoRun.Amd64] alone.
        {"Q210", 1},
    };
    EXPECT_EQ(expected, counts);
    for (const auto& [code, count] : counts)
        std::cout << code << ' ' << count << '\n';
}

} // namespace
