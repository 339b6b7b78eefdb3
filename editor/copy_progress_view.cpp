#include "copy_progress_view.h"

#include "number_text.h"

namespace copy_progress {

bool ShowWindowNow(unsigned elapsedMs, std::uint64_t done, std::uint64_t total) {
    if (elapsedMs < kQuietMs)
        return false;
    // Without a pace to go by, the copy may take any time.
    if (elapsedMs >= kLatestMs || done == 0 || total == 0)
        return true;
    if (done >= total)
        return false;
    // At the pace so far, the rest takes elapsed * rest / done.
    const double restMs = static_cast<double>(elapsedMs) * static_cast<double>(total - done) /
                          static_cast<double>(done);
    return restMs >= kNearlyDoneMs;
}

int BarPosition(std::uint64_t done, std::uint64_t total) {
    if (total == 0)
        return 0;
    if (done >= total)
        return kBarRange;
    return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * kBarRange);
}

std::string BytesText(std::string_view pattern, std::uint64_t done, std::uint64_t total) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += GroupedNumber(pattern[i + 1] == '1' ? done : total);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace copy_progress
