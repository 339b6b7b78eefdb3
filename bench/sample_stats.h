// Summaries of repeated timings: the median and the quartiles around it. Medians, because a
// shared machine adds rare long outliers that would drag a mean.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

struct SampleSummary {
    double median = 0;
    double lowerQuartile = 0;
    double upperQuartile = 0;
    double minimum = 0;
    double maximum = 0;
    std::size_t count = 0;
};

// The value at fraction (0..1) of the sorted samples, interpolated between neighbours.
inline double Quantile(const std::vector<double>& sorted, double fraction) {
    if (sorted.empty())
        return 0;
    const double position = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - static_cast<double>(below);
    return sorted[below] * (1 - weight) + sorted[above] * weight;
}

inline SampleSummary Summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    SampleSummary summary;
    summary.count = samples.size();
    if (samples.empty())
        return summary;
    summary.median = Quantile(samples, 0.5);
    summary.lowerQuartile = Quantile(samples, 0.25);
    summary.upperQuartile = Quantile(samples, 0.75);
    summary.minimum = samples.front();
    summary.maximum = samples.back();
    return summary;
}

// "12.34 ms (IQR 12.00-13.10, min 11.90, max 15.00, n=20)" with the given unit and scale.
inline std::string Describe(const SampleSummary& s, const char* unit, double scale = 1) {
    char text[200];
    std::snprintf(text, sizeof text, "%.3f %s (IQR %.3f-%.3f, min %.3f, max %.3f, n=%zu)",
                  s.median * scale, unit, s.lowerQuartile * scale, s.upperQuartile * scale,
                  s.minimum * scale, s.maximum * scale, s.count);
    return text;
}

// "1.23x (IQR 1.10-1.40)": a summary of ratios.
inline std::string DescribeRatios(const SampleSummary& s) {
    char text[100];
    std::snprintf(text, sizeof text, "%.2fx (IQR %.2f-%.2f)", s.median, s.lowerQuartile,
                  s.upperQuartile);
    return text;
}

// The ratio of two medians, printed as "1.23x"; 0 when the baseline took no time.
inline double RatioOfMedians(const SampleSummary& subject, const SampleSummary& baseline) {
    return baseline.median > 0 ? subject.median / baseline.median : 0;
}
