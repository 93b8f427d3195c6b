#pragma once
// The two codec operations between the settings and the configuration image.

#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/Settings.h"

namespace korvex {

// Clears `outgoing`, reads and checks every setting in encode order and stores it; the first
// failing check shows its message through feedback.information(), names its setting through
// feedback.settingRefused() and returns false. A number setting without a message of its own
// throws NotAnInteger. On success writes "END", the stamp (seeded from clock.secondsNow()) and
// the checksum, and returns true.
bool EncodeConfigImage(ConfigImage& outgoing, const Settings& settings, Feedback& feedback,
                       const Clock& clock);

// Checks the version text of `incoming`; on a mismatch writes 0 at offset 13, shows the
// "Uncompatible configuration version:" message and returns false without changing a setting.
// Otherwise sets every setting from the image (the clock fields excepted) and returns true.
bool DecodeConfigImage(ConfigImage& incoming, Settings& settings, Feedback& feedback);

}  // namespace korvex
