// What the window of a long copy into the CD root shows, and when it comes: portable, so that
// the native build tests it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace copy_progress {

// A copy that ends within this time shows no window at all.
constexpr unsigned kQuietMs = 500;
// Beyond this time the window comes whatever the copy expects.
constexpr unsigned kLatestMs = 1000;
// A copy expected to end within this time after kQuietMs waits for its end without a window,
// which would only flicker.
constexpr unsigned kNearlyDoneMs = 300;

// The steps of the progress bar.
constexpr int kBarRange = 1000;

// Whether a copy that has run elapsedMs and written done of total bytes (total 0: not known)
// shows its window now.
bool ShowWindowNow(unsigned elapsedMs, std::uint64_t done, std::uint64_t total);

// The bar's position for done of total: 0 while nothing is known, kBarRange at the end (and
// beyond it, when the file grew while it was copied).
int BarPosition(std::uint64_t done, std::uint64_t total);

// pattern with "%1" replaced by done and "%2" by total, both grouped (see GroupedNumber).
std::string BytesText(std::string_view pattern, std::uint64_t done, std::uint64_t total);

} // namespace copy_progress
