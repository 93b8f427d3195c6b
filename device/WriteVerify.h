#pragma once
// How the image read back after a write compares with the image sent: setting by setting, and
// byte by byte for what lies outside the settings.

#include <string>
#include <vector>

#include "image/ConfigImage.h"

namespace korvex {

// "Eeprom verify success" when both are equal. Otherwise "Eeprom verify error: " with the number
// and captions of the settings that differ and the offsets of differing bytes that change no
// setting, then one line per differing setting with both values, and a line when the device's
// image no longer matches its checksum.
std::vector<std::string> verifyLines(const ConfigImage& sent, const ConfigImage& readBack);

}  // namespace korvex
