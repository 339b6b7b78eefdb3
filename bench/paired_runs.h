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
