// The pieces the benchmarks' figures rest on: the summaries, the alternation of subject and
// baseline, and the generated INI files that both parsers must read cleanly.
#include "ini_bench_input.h"
#include "ini_file.h"
#include "paired_runs.h"
#include "sample_stats.h"

#include <ini.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct SummaryCase {
    std::vector<double> samples;
    double median, lowerQuartile, upperQuartile, minimum, maximum;
};

TEST(SampleSummary, MedianQuartilesAndExtremesOfUnsortedSamples) {
    const SummaryCase cases[] = {
        {{7}, 7, 7, 7, 7, 7},
        {{5, 1, 3, 2, 4}, 3, 2, 4, 1, 5},
        {{4, 1, 3, 2}, 2.5, 1.75, 3.25, 1, 4},
        {{10, 10, 10, 1000}, 10, 10, 257.5, 10, 1000},
    };
    for (const SummaryCase& c : cases) {
        const SampleSummary s = Summarize(c.samples);
        EXPECT_DOUBLE_EQ(s.median, c.median);
        EXPECT_DOUBLE_EQ(s.lowerQuartile, c.lowerQuartile);
        EXPECT_DOUBLE_EQ(s.upperQuartile, c.upperQuartile);
        EXPECT_DOUBLE_EQ(s.minimum, c.minimum);
        EXPECT_DOUBLE_EQ(s.maximum, c.maximum);
        EXPECT_EQ(s.count, c.samples.size());
    }
}

TEST(SampleSummary, RatioIsOfTheMediansAndZeroWithoutBaseline) {
    EXPECT_DOUBLE_EQ(RatioOfMedians(Summarize({3, 6, 9}), Summarize({1, 2, 100})), 3);
    EXPECT_DOUBLE_EQ(RatioOfMedians(Summarize({3}), Summarize({})), 0);
}

TEST(PairedRuns, AlternateTheOrderAndDropTheWarmUp) {
    std::string order;
    int subjectRuns = 0;
    int baselineRuns = 0;
    const TimedRun subject = [&]() -> std::optional<std::vector<double>> {
        order += 'S';
        return std::vector<double>{double(++subjectRuns), 0.5};
    };
    const TimedRun baseline = [&]() -> std::optional<std::vector<double>> {
        order += 'B';
        return std::vector<double>{double(++baselineRuns), 0.25};
    };
    PairedSeries series;
    ASSERT_TRUE(RunPairs(subject, baseline, 1, 3, series));
    EXPECT_EQ(order, "SBBSSBBS");
    ASSERT_EQ(series.subject.size(), 2u);
    EXPECT_EQ(series.subject[0], (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(series.baseline[0], (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(series.subject[1], (std::vector<double>{0.5, 0.5, 0.5}));
}

TEST(PairedRuns, RatiosArePairByPairAndSkipAZeroBaseline) {
    EXPECT_EQ(PairRatios({2, 9, 5, 4}, {1, 3, 0, 8}), (std::vector<double>{2, 3, 0.5}));
}

TEST(PairedRuns, AFailedRunEndsTheSeries) {
    int runs = 0;
    const TimedRun fine = [&]() -> std::optional<std::vector<double>> {
        ++runs;
        return std::vector<double>{1};
    };
    const TimedRun failing = []() -> std::optional<std::vector<double>> { return std::nullopt; };
    PairedSeries series;
    EXPECT_FALSE(RunPairs(fine, failing, 0, 5, series));
    EXPECT_EQ(runs, 1);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

int CountEntry(void* user, const char*, const char*, const char*) {
    ++*static_cast<int*>(user);
    return 1;
}

// A file of a number of lines in sections of a number of lines.
using IniShape = std::pair<unsigned, unsigned>;

class GeneratedIni : public testing::TestWithParam<IniShape> {
protected:
    unsigned LineCount() const { return GetParam().first; }
    std::string Text() const { return MakeIniText(GetParam().first, GetParam().second); }
};

TEST_P(GeneratedIni, HasExactlyTheLinesAndIsTheSameEveryTime) {
    const std::string text = Text();
    EXPECT_EQ(text, Text());
    const std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(lines.size(), LineCount());
    for (const std::string& line : lines)
        EXPECT_LT(line.size(), 200u) << "libinih's default line limit: " << line;
}

TEST_P(GeneratedIni, BothParsersReadItWithoutErrorAndFindTheChangedKey) {
    const std::string text = Text();
    int entries = 0;
    EXPECT_EQ(ini_parse_string(text.c_str(), CountEntry, &entries), 0);
    EXPECT_GT(entries, 0);

    const std::string path = (std::filesystem::temp_directory_path() /
                              ("generated-" + std::to_string(LineCount()) + "-" +
                               std::to_string(GetParam().second) + ".ini"))
                                 .string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    {
        INIFile document(path.c_str());
        const auto& sections = document.Sections();
        const unsigned linesPerSection = GetParam().second;
        EXPECT_EQ(sections.GetItemsInContainer(),
                  (LineCount() + linesPerSection - 1) / linesPerSection);
        EXPECT_STRNE(document.GetString(kChangedSection, kChangedKey, ""), "");
        int documentEntries = 0;
        for (unsigned i = 0; i < sections.GetItemsInContainer(); ++i)
            documentEntries += static_cast<int>(sections[i].entries.GetItemsInContainer());
        EXPECT_EQ(documentEntries, entries);
    }
    std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(LineCounts, GeneratedIni,
                         testing::Values(IniShape{41, kLinesPerSection},
                                         IniShape{1000, kLinesPerSection},
                                         IniShape{10000, kLinesPerSection},
                                         IniShape{10000, 10000}));

} // namespace
