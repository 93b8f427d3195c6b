#include "device/WritePlan.h"

#include "image/Codec.h"
#include "image/StoredForm.h"
#include "settings/SettingCaption.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"

namespace korvex {

namespace {

// Whether the clock fields would store other bytes than the device's image holds.
bool clockDiffers(const ConfigImage& onDevice, const Settings& toWrite) {
    for (const FieldRow& row : layout()) {
        if (row.kind != RowKind::ClockNumber) {
            continue;
        }
        const auto stored = storedForm(row, row.setting, toWrite);
        const std::string held(reinterpret_cast<const char*>(onDevice.bytes.data()) + row.offset,
                               row.width);
        if (!stored || *stored != held) {
            return true;
        }
    }
    return false;
}

}  // namespace

WritePlan planWrite(const ConfigImage& onDevice, const Settings& toWrite) {
    ConfigImage deviceCopy = onDevice;
    SettingsStore device;
    SilentFeedback quiet;
    WritePlan plan;
    if (!DecodeConfigImage(deviceCopy, device, quiet)) {
        plan.notComparable =
            "The device's image is not of this configuration version: its settings cannot be "
            "compared.";
        return plan;
    }
    plan.changes = diffSettings(device, toWrite, sameAsStored);
    plan.setsClock = clockDiffers(onDevice, toWrite);
    if (!onDevice.checksumMatches()) {
        plan.notComparable =
            "The device's image has a bad checksum: the values shown as the device's may not be "
            "what it uses.";
    }
    return plan;
}

std::vector<std::string> planChangeLines(const WritePlan& plan) {
    std::vector<std::string> lines;
    for (const SettingDifference& change : plan.changes) {
        lines.push_back(std::string(settingPlace(*change.def)) + " / " +
                        settingCaption(*change.def) + ": \"" + printableValue(change.left) +
                        "\" -> \"" + printableValue(change.right) + "\"");
    }
    return lines;
}

std::string clockLine(const WritePlan& plan) {
    if (!plan.setsClock) {
        return {};
    }
    return plan.changes.empty() ? "Write config will set the device's clock (RTC/NTP time)."
                                : "Write config will also set the device's clock (RTC/NTP time).";
}

std::string settingCount(size_t count) {
    return std::to_string(count) + (count == 1 ? " setting" : " settings");
}

}  // namespace korvex
