#pragma once
// What a write will change: the device's image, as read for the backup, compared setting by
// setting with the settings about to be written, as the device stores each setting (so the
// comparison is the one of the two images).

#include <string>
#include <vector>

#include "image/ConfigImage.h"
#include "settings/Settings.h"
#include "settings/SettingsDiff.h"

namespace korvex {

struct WritePlan {
    // The device's value on the left, the value to be written (as typed) on the right.
    std::vector<SettingDifference> changes;
    // Why the device's settings could not all be compared; empty when they could.
    std::string notComparable;
    // The write sets the device's clock: the clock fields (the computer's time when Uploadpctime
    // is ticked) hold another minute than the device's image. The clock is never a "change".
    bool setsClock = false;
    // True when the device's image is sound, already holds every setting and keeps its clock.
    bool nothingChanges() const { return changes.empty() && notComparable.empty() && !setsClock; }
};

WritePlan planWrite(const ConfigImage& onDevice, const Settings& toWrite);

// "Radio / Callsign: "SP5DEF" -> "NOCALL"", one line per change.
std::vector<std::string> planChangeLines(const WritePlan& plan);

// "Write config will set the device's clock ...", or empty when the write leaves the clock alone.
std::string clockLine(const WritePlan& plan);

// "N settings" or "1 setting".
std::string settingCount(size_t count);

}  // namespace korvex
