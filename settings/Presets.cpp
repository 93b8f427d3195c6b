#include "settings/Presets.h"

#include <array>
#include <string>

namespace korvex {

namespace {

// One entry of the analog source list with the channel values its preset writes. The name of
// entry 0 is empty here: it depends on the channel ("A1" to "A5").
struct AnalogPreset {
    std::string_view entry;
    std::string_view name;
    std::string_view units;
    std::string_view coefa;
    std::string_view coefb;
    std::string_view coefc;
};

constexpr AnalogPreset kAnalogPresets[] = {
    {"Not used", "", "None", "0", "0", "0"},
    {"(M) Current1 (5A fullscale)", "I1", "mA", "0", "19.5", "0"},
    {"(M) Current1 (2.5A fullscale)", "I1", "mA", "0", "9.76", "0"},
    {"(M) Current1 (1.25A fullscale)", "I1", "mA", "0", "4.88", "0"},
    {"(M) Current2 (5A fullscale)", "I2", "mA", "0", "19.5", "0"},
    {"(M) Current2 (2.5A fullscale)", "I2", "mA", "0", "9.76", "0"},
    {"(M) Current2 (1.25A fullscale)", "I2", "mA", "0", "4.88", "0"},
    {"(M) Voltage1", "U1", "Volt", "0", "0.1", "0"},
    {"(M) Voltage2", "U2", "Volt", "0", "0.1", "0"},
    {"(M) Temperature (DS18B20)", "Temp", "C", "0", "0.5", "-64"},
    {"(M) Temperature (DS18S20)", "Temp", "C", "0", "0.5", "-64"},
    {"(I) Input voltage", "Vin", "Volt", "0", "0.079", "0"},
    {"(I) RX'ed packets (1 hour)", "Rx1h", "Pkt", "0", "10", "0"},
    {"(I) RX'ed packets (10 min)", "Rx10m", "Pkt", "0", "1", "0"},
    {"(I) DIGI'ed packets (1 hour)", "Dg1h", "Pkt", "0", "10", "0"},
    {"(I) DIGI'ed packets (10 min)", "Dg10m", "Pkt", "0", "1", "0"},
    {"(I) Decode efficiency (total)", "Eff", "Pcnt", "0", "1", "0"},
    {"(I) Decode efficiency (1 hour)", "Eff1h", "Pcnt", "0", "1", "0"},
};

// One entry of the digital source list with its name and label. Entry 0's name ("B1" to "B8")
// and label ("None", or "Non" where the label holds 3 characters) depend on the channel.
struct DigitalPreset {
    std::string_view entry;
    std::string_view name;
    std::string_view label;
};

constexpr DigitalPreset kDigitalPresets[] = {
    {"Not used", "", ""},         {"(M) Output 1", "O1", "On"}, {"(M) Output 2", "O2", "On"},
    {"(M) Output 3", "O3", "On"}, {"(M) Output 4", "O4", "On"}, {"(M) Input 1", "I1", "Hi"},
    {"(M) Input 2", "I2", "Hi"},  {"(M) Input 3", "I3", "Hi"},  {"(M) Input 4", "I4", "Hi"},
};

template <typename Row, size_t N>
constexpr std::array<std::string_view, N> entriesOf(const Row (&rows)[N]) {
    std::array<std::string_view, N> entries{};
    for (size_t i = 0; i < N; ++i) {
        entries[i] = rows[i].entry;
    }
    return entries;
}

// The "No" entry of a digital channel's inverted list.
constexpr int kNotInverted = 0;

constexpr auto kAnalogEntries = entriesOf(kAnalogPresets);
constexpr auto kDigitalEntries = entriesOf(kDigitalPresets);

// The selected row of a channel's source list, or -1 when none or beyond the list.
int selectedRow(const Settings& settings, const std::string& source, size_t rows) {
    const int selected = settings.index(source);
    return selected >= 0 && static_cast<size_t>(selected) < rows ? selected : -1;
}

}  // namespace

std::span<const std::string_view> analogSourceEntries() {
    return kAnalogEntries;
}

std::span<const std::string_view> digitalSourceEntries() {
    return kDigitalEntries;
}

void applyAnalogPreset(Settings& settings, int channel) {
    const std::string prefix = "Teleanalog" + std::to_string(channel);
    const int row = selectedRow(settings, prefix + "_source", std::size(kAnalogPresets));
    if (row < 0) {
        return;
    }
    const AnalogPreset& preset = kAnalogPresets[row];
    settings.setText(prefix + "_name",
                     row == 0 ? "A" + std::to_string(channel) : std::string(preset.name));
    settings.setText(prefix + "_units", preset.units);
    settings.setText(prefix + "_coefa", preset.coefa);
    settings.setText(prefix + "_coefb", preset.coefb);
    settings.setText(prefix + "_coefc", preset.coefc);
}

void applyDigitalPreset(Settings& settings, int channel) {
    const std::string prefix = "Teledigital" + std::to_string(channel);
    const int row = selectedRow(settings, prefix + "_source", std::size(kDigitalPresets));
    if (row < 0) {
        return;
    }
    const DigitalPreset& preset = kDigitalPresets[row];
    if (row == 0) {
        // Channels 6 to 8 have 3-character labels.
        settings.setText(prefix + "_name", "B" + std::to_string(channel));
        settings.setText(prefix + "_units", channel <= 5 ? "None" : "Non");
    } else {
        settings.setText(prefix + "_name", preset.name);
        settings.setText(prefix + "_units", preset.label);
    }
    settings.setIndex(prefix + "_inverted", kNotInverted);
}

}  // namespace korvex
