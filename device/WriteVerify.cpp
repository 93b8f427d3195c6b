#include "device/WriteVerify.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "image/Codec.h"
#include "image/Layout.h"
#include "image/StoredForm.h"
#include "settings/SettingCaption.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"

namespace korvex {

namespace {

// At most this many offsets are named in the verify line; the count covers all of them.
constexpr size_t kOffsetsNamed = 8;

struct FrameRegion {
    size_t first;
    size_t end;
    std::string_view name;
};
constexpr std::array<FrameRegion, 4> kFrame{{
    {0, 4, "checksum"},
    {4, 6, "stamp"},
    {6, 14, "version text"},
    {2004, 2007, "end marker"},
}};

const FieldRow* rowAt(size_t offset) {
    for (const FieldRow& row : layout()) {
        if (offset >= row.offset && offset < size_t{row.offset} + row.width) {
            return &row;
        }
    }
    return nullptr;
}

// What a byte of the image belongs to, for a byte that changes no setting.
std::string regionOf(size_t offset) {
    for (const auto& region : kFrame) {
        if (offset >= region.first && offset < region.end) {
            return std::string(region.name);
        }
    }
    const FieldRow* row = rowAt(offset);
    if (row && !row->setting.empty()) {
        return "in " + row->setting;
    }
    return "unused";
}

uint32_t littleEndian(const ConfigImage& image, const FieldRow& row) {
    uint32_t value = 0;
    for (size_t i = row.width; i-- > 0;) {
        value = value << 8 | image.bytes[row.offset + i];
    }
    return value;
}

}  // namespace

std::vector<std::string> verifyLines(const ConfigImage& sent, const ConfigImage& readBack) {
    if (sent == readBack) {
        return {"Eeprom verify success"};
    }
    // Decoded side by side; an image whose version text changed is not decoded at all, and its
    // differences are named by offset.
    ConfigImage sentCopy = sent;
    ConfigImage readCopy = readBack;
    SettingsStore written;
    SettingsStore read;
    SilentFeedback quiet;
    std::vector<SettingDifference> settings;
    if (DecodeConfigImage(sentCopy, written, quiet) && DecodeConfigImage(readCopy, read, quiet)) {
        settings = diffSettings(written, read, sameAsStored);
    }
    // The clock fields are written but never decoded: compared by their bytes.
    for (const FieldRow& row : layout()) {
        if (row.kind == RowKind::ClockNumber &&
            littleEndian(sent, row) != littleEndian(readBack, row)) {
            settings.push_back({&settingDef(row.setting), std::to_string(littleEndian(sent, row)),
                                std::to_string(littleEndian(readBack, row))});
        }
    }
    std::set<std::string_view> changed;
    for (const auto& difference : settings) {
        changed.insert(difference.def->name);
    }

    std::vector<size_t> offsets;
    for (size_t offset = 0; offset < kImageSize; ++offset) {
        if (sent.bytes[offset] == readBack.bytes[offset]) {
            continue;
        }
        const FieldRow* row = rowAt(offset);
        if (!row || (!changed.count(row->setting) && !changed.count(row->ssidSetting))) {
            offsets.push_back(offset);
        }
    }

    std::string line = "Eeprom verify error: ";
    if (!settings.empty()) {
        line += std::to_string(settings.size()) +
                (settings.size() == 1 ? " setting differs: " : " settings differ: ");
        for (size_t i = 0; i < settings.size(); ++i) {
            line += (i ? ", " : "") + settingCaption(*settings[i].def);
        }
    }
    if (!offsets.empty()) {
        line += settings.empty() ? "" : "; ";
        line += std::to_string(offsets.size()) +
                (offsets.size() == 1 ? " byte differs without changing a setting: "
                                     : " bytes differ without changing a setting: ");
        for (size_t i = 0; i < offsets.size() && i < kOffsetsNamed; ++i) {
            line += (i ? ", " : "") + std::string("offset ") + std::to_string(offsets[i]) + " (" +
                    regionOf(offsets[i]) + ")";
        }
        if (offsets.size() > kOffsetsNamed) {
            line += ", ...";
        }
    }

    std::vector<std::string> lines{line};
    for (const auto& difference : settings) {
        const std::string_view tab = settingPlace(*difference.def);
        lines.push_back("Verify: " + std::string(tab) + " / " + settingCaption(*difference.def) +
                        ": written \"" + printableValue(difference.left) + "\", read back \"" +
                        printableValue(difference.right) + "\"");
    }
    if (!readBack.checksumMatches()) {
        lines.push_back(
            "Verify: the device's image no longer matches its checksum; Read config will refuse "
            "it.");
    }
    return lines;
}

}  // namespace korvex
