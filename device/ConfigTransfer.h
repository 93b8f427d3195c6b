#pragma once
// "Read config" and "Write config": the whole configuration image, 192 pages of 32 bytes, between
// the device's EEPROM and the settings, with a log line and a progress step per page.

#include "device/DeviceLink.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/Settings.h"

namespace korvex {

// Clears `incoming`, reads every page into it, checks its checksum, decodes it into `settings`
// and then shows the device's firmware version. True when "Eeprom read success." was logged.
bool ReadConfig(DeviceLink& link, ConfigImage& incoming, Settings& settings, Feedback& feedback);

// Copies the clock into the date and time settings when Uploadpctime is ticked, encodes the
// settings into `outgoing` and, only if that succeeded, writes every page to the device.
// True when "Eeprom write success" was logged. NotAnInteger from the encoder propagates.
bool WriteConfig(DeviceLink& link, ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                 const Clock& clock);

}  // namespace korvex
