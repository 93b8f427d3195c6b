#pragma once
// "Read config" and "Write config": the whole configuration image, 192 pages of 32 bytes, between
// the device's EEPROM and the settings, with a log line and a progress step per page.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceLink.h"
#include "device/WritePlan.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/Settings.h"

namespace korvex {

// Said after "Read config" read every page and found the checksum wrong.
inline constexpr std::string_view kDamagedDeviceLine =
    "The device holds a damaged or partly written configuration: restore a backup of it, or "
    "write the settings again.";

// Clears `incoming`, reads every page into it, checks its checksum, decodes it into `settings`
// and then shows the device's firmware version. True when "Eeprom read success." was logged.
// A read cut off by the device gets a line after the Part's own saying what that left.
// `damaged`, when given, tells whether every page was read and the checksum was still wrong.
bool ReadConfig(DeviceLink& link, ConfigImage& incoming, Settings& settings, Feedback& feedback,
                bool* damaged = nullptr);

// Asked before the first page whether to write. `plan` compares the device's image, read for the
// backup or only to compare, with the one to be written (when that read failed, the plan says
// so); it is null when the device was not read. False writes nothing.
using WriteConfirmation = std::function<bool(const WritePlan* plan)>;

// The steps around the pages of a write, as the window's menu or the command line's options
// choose them. Left default, a write is the pages alone.
struct WriteSafety {
    // Before the first page: the device's image read and kept in `backupFolder`; the write does
    // not start when that fails. The settings that the write will change are then listed, and
    // when none does (and the device's image is sound) nothing is written.
    bool backup = false;
    std::filesystem::path backupFolder{};
    // With backup off, the device's image is still read to compare when `confirm` is set (nothing
    // kept), and a write that would change nothing is not made.
    // After "Eeprom write success": every page read back and compared with what was sent.
    bool verify = false;
    // The device's image read and the changes listed, then nothing written and no backup kept.
    bool dryRun = false;
    // How the face names the switch that turned the backup or the verify off, for the line that
    // says it was left out ("--no-verify"); empty: no line.
    std::string backupOffSwitch{};
    std::string verifyOffSwitch{};
    // Unset: the write goes on without asking.
    WriteConfirmation confirm{};
};

// Verify and backup on, into the per-user backups folder: what both faces start from.
WriteSafety defaultWriteSafety();

// Copies the clock into the date and time settings when Uploadpctime is ticked, encodes the
// settings into `outgoing` and, only if that succeeded, writes every page to the device, with
// the backup before and the verify after as `safety` asks. True when "Eeprom write success" was
// logged and, with verify, "Eeprom verify success"; also when the device already held every
// setting, or a dry run listed the changes. NotAnInteger from the encoder propagates. A write that
// fails after the device was opened ends with a line naming the cause and then
// feedback.writeFailed() with what the device holds now, which is kept in `failure` too.
bool WriteConfig(DeviceLink& link, ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                 const Clock& clock, const WriteSafety& safety = {},
                 WriteFailure* failure = nullptr);

// The device's image as it is, a damaged one too, read without a line per page; nullopt when the
// device is not found or a page fails (that logged with its cause).
std::optional<ConfigImage> ReadImage(DeviceLink& link, Feedback& feedback);

// Writes `image` (a backup's) to the device exactly as it is, through the same plan, pages and
// verify as WriteConfig; `settings` is given the image's settings, clock fields included, before
// the device is opened. An image with a bad checksum is refused with a line, one of another
// version with the decoder's message; then the device is not opened.
bool RestoreImage(DeviceLink& link, const ConfigImage& image, Settings& settings,
                  Feedback& feedback, const Clock& clock, const WriteSafety& safety = {},
                  WriteFailure* failure = nullptr);

}  // namespace korvex
