#pragma once
// The telemetry source lists and the "Default parameters" preset of each channel.

#include <span>
#include <string_view>

#include "settings/Settings.h"

namespace korvex {

inline constexpr int kAnalogChannels = 5;
inline constexpr int kDigitalChannels = 8;

// The entries of every analog and every digital source list, in index order.
std::span<const std::string_view> analogSourceEntries();
std::span<const std::string_view> digitalSourceEntries();

// Overwrite analog channel 1..5 (name, units, coefficients A, B, C) or digital channel 1..8
// (name, units, inverted "No") with the preset of its selected source. Nothing changes when no
// source is selected or the selection lies beyond the list.
void applyAnalogPreset(Settings& settings, int channel);
void applyDigitalPreset(Settings& settings, int channel);

}  // namespace korvex
