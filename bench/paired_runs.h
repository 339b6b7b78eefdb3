// Runs a subject and its baseline alternately, in pairs whose order flips every time, so that
// a drift of the machine's load reaches both alike. The first pairs warm the caches up and
// are not counted.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

// One run: the seconds of each of its phases, or nothing when the run failed.
using TimedRun = std::function<std::optional<std::vector<double>>()>;

struct PairedSeries {
    // samples[phase] holds that phase's seconds, one per counted run.
    std::vector<std::vector<double>> subject;
    std::vector<std::vector<double>> baseline;
};

// The subject's time over its baseline's, pair by pair: the two runs of a pair lie next to
// each other in time, so a slow phase of the machine touches both.
inline std::vector<double> PairRatios(const std::vector<double>& subject,
                                      const std::vector<double>& baseline) {
    std::vector<double> ratios;
    for (std::size_t pair = 0; pair < subject.size() && pair < baseline.size(); ++pair) {
        if (baseline[pair] > 0)
            ratios.push_back(subject[pair] / baseline[pair]);
    }
    return ratios;
}

inline bool RunPairs(const TimedRun& subject, const TimedRun& baseline, int warmUpPairs, int pairs,
                     PairedSeries& series) {
    for (int pair = 0; pair < warmUpPairs + pairs; ++pair) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool subjectsTurn = (pair % 2 == 0) == (turn == 0);
            const auto phases = subjectsTurn ? subject() : baseline();
            if (!phases) {
                std::fprintf(stderr, "%s run of pair %d failed\n",
                             subjectsTurn ? "subject" : "baseline", pair + 1);
                return false;
            }
            if (pair < warmUpPairs)
                continue;
            auto& samples = subjectsTurn ? series.subject : series.baseline;
            samples.resize(phases->size());
            for (std::size_t phase = 0; phase < phases->size(); ++phase)
                samples[phase].push_back((*phases)[phase]);
        }
    }
    return true;
}
