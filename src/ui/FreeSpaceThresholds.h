#pragma once

namespace kv {

class AppCore;

// The free-space monitor's two alert thresholds, percentages of free space, kept in section
// "Free_Space_Monitor" ("Yellow_Threshold", default 30; "Red_Threshold", default 10).
struct FreeSpaceThresholds {
    int yellow = 30;
    int red = 10;

    static FreeSpaceThresholds read(const AppCore& app);
    void store(AppCore& app) const;
};

// The yellow value that keeps yellow at or above red: one above red when it is below it,
// but never beyond the sliders' maximum of 100.
int yellowAtOrAboveRed(int yellow, int red);

} // namespace kv
