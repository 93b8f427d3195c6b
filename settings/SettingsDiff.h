#pragma once
// Settings compared one by one, in window order: what `show` prints, what `diff`, the compare
// dialog, the write plan and the verify after a write report. The clock fields are never
// compared: they follow the computer's clock and differ between any two moments.

#include <string>
#include <string_view>
#include <vector>

#include "settings/Catalogue.h"
#include "settings/Settings.h"

namespace korvex {

// The value as a person reads it: an edit's text, a list's entry text (empty when nothing is
// selected), "yes" or "no" for a check box. Latin-1, as the settings hold it.
std::string displayValue(const Settings& settings, const SettingDef& def);

// Rtcyear, Rtcmonth, Rtcday, Rtchour and Rtcmin.
bool isClockField(std::string_view name);

struct SettingDifference {
    const SettingDef* def = nullptr;
    std::string left;   // displayValue in the first settings
    std::string right;  // displayValue in the second settings
};

// Whether a setting holds the same value in both.
using SameValue = bool (*)(const SettingDef& def, const Settings& left, const Settings& right);

// The values as they stand: texts character by character, lists by index and check boxes by
// state, so two entries with the same text still count as different.
bool sameAsTyped(const SettingDef& def, const Settings& left, const Settings& right);

// Every setting whose value differs by `same`, clock fields excepted, in catalogue order. The
// faces compare as the device stores a setting (sameAsStored of image/StoredForm.h); sameAsTyped
// shows every typed difference.
std::vector<SettingDifference> diffSettings(const Settings& left, const Settings& right,
                                            SameValue same);

// A value as one line of a log shows it: control characters as \xNN.
std::string printableValue(std::string_view text);

}  // namespace korvex
