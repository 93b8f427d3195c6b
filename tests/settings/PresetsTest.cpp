#include "settings/Presets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/Catalogue.h"
#include "settings/SettingsStore.h"

namespace korvex {
namespace {

std::string field(int channel, const char* stem, const char* rest) {
    return stem + std::to_string(channel) + rest;
}

std::vector<std::string> analogFields(const SettingsStore& store, int channel) {
    std::vector<std::string> values;
    for (const char* rest : {"_name", "_units", "_coefa", "_coefb", "_coefc"}) {
        values.push_back(store.text(field(channel, "Teleanalog", rest)));
    }
    return values;
}

std::vector<std::string> digitalFields(const SettingsStore& store, int channel) {
    const int inverted = store.index(field(channel, "Teledigital", "_inverted"));
    return {store.text(field(channel, "Teledigital", "_name")),
            store.text(field(channel, "Teledigital", "_units")),
            inverted == 0   ? "No"
            : inverted == 1 ? "Yes"
                            : "none"};
}

struct AnalogCase {
    int channel;
    int source;
    std::vector<std::string> fields;  // name, units, A, B, C
};

class AnalogPreset : public testing::TestWithParam<AnalogCase> {};

TEST_P(AnalogPreset, FillsTheChannelFromItsSource) {
    const AnalogCase& c = GetParam();
    SettingsStore store;
    store.setIndex(field(c.channel, "Teleanalog", "_source"), c.source);
    applyAnalogPreset(store, c.channel);
    EXPECT_EQ(analogFields(store, c.channel), c.fields);
    EXPECT_EQ(store.index(field(c.channel, "Teleanalog", "_source")), c.source);
}

INSTANTIATE_TEST_SUITE_P(Rows, AnalogPreset,
                         testing::Values(AnalogCase{1, 0, {"A1", "None", "0", "0", "0"}},
                                         AnalogCase{5, 0, {"A5", "None", "0", "0", "0"}},
                                         AnalogCase{2, 1, {"I1", "mA", "0", "19.5", "0"}},
                                         AnalogCase{4, 3, {"I1", "mA", "0", "4.88", "0"}},
                                         AnalogCase{1, 5, {"I2", "mA", "0", "9.76", "0"}},
                                         AnalogCase{2, 8, {"U2", "Volt", "0", "0.1", "0"}},
                                         AnalogCase{3, 10, {"Temp", "C", "0", "0.5", "-64"}},
                                         AnalogCase{1, 11, {"Vin", "Volt", "0", "0.079", "0"}},
                                         AnalogCase{5, 13, {"Rx10m", "Pkt", "0", "1", "0"}},
                                         AnalogCase{4, 15, {"Dg10m", "Pkt", "0", "1", "0"}},
                                         AnalogCase{3, 16, {"Eff", "Pcnt", "0", "1", "0"}},
                                         AnalogCase{4, 17, {"Eff1h", "Pcnt", "0", "1", "0"}}));

struct DigitalCase {
    int channel;
    int source;
    std::vector<std::string> fields;  // name, label, inverted
};

class DigitalPreset : public testing::TestWithParam<DigitalCase> {};

TEST_P(DigitalPreset, FillsTheChannelFromItsSourceAndClearsInverted) {
    const DigitalCase& c = GetParam();
    SettingsStore store;
    store.setIndex(field(c.channel, "Teledigital", "_inverted"), 1);
    store.setIndex(field(c.channel, "Teledigital", "_source"), c.source);
    applyDigitalPreset(store, c.channel);
    EXPECT_EQ(digitalFields(store, c.channel), c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DigitalPreset,
    testing::Values(DigitalCase{7, 0, {"B7", "Non", "No"}}, DigitalCase{2, 0, {"B2", "None", "No"}},
                    DigitalCase{5, 0, {"B5", "None", "No"}}, DigitalCase{6, 0, {"B6", "Non", "No"}},
                    DigitalCase{8, 4, {"O4", "On", "No"}}, DigitalCase{1, 1, {"O1", "On", "No"}},
                    DigitalCase{6, 6, {"I2", "Hi", "No"}}, DigitalCase{3, 8, {"I4", "Hi", "No"}}));

TEST(Presets, WithoutASelectionNothingChanges) {
    SettingsStore store;
    store.setText("Teleanalog2_name", "Mine");
    store.setIndex("Teleanalog2_source", -1);
    applyAnalogPreset(store, 2);
    EXPECT_EQ(analogFields(store, 2), (std::vector<std::string>{"Mine", "", "", "", ""}));

    store.setText("Teledigital4_name", "Door");
    store.setIndex("Teledigital4_inverted", 1);
    applyDigitalPreset(store, 4);
    EXPECT_EQ(digitalFields(store, 4), (std::vector<std::string>{"Door", "", "Yes"}));
}

// The list refuses an index beyond its end, so that case needs a Settings that does not.
class LooseSettings final : public Settings {
  public:
    std::string text(std::string_view name) const override { return store.text(name); }
    void setText(std::string_view name, std::string_view value) override {
        store.setText(name, value);
        ++writes;
    }
    int index(std::string_view name) const override {
        return name.ends_with("_source") ? source : store.index(name);
    }
    void setIndex(std::string_view name, int value) override {
        store.setIndex(name, value);
        ++writes;
    }
    bool checked(std::string_view name) const override { return store.checked(name); }
    void setChecked(std::string_view name, bool value) override { store.setChecked(name, value); }

    SettingsStore store;
    int source = 0;
    int writes = 0;
};

TEST(Presets, ASelectionBeyondTheListChangesNothing) {
    LooseSettings settings;
    for (const int beyond : {18, 19, 1000, -5}) {
        settings.source = beyond;
        applyAnalogPreset(settings, 1);
    }
    for (const int beyond : {9, 17, -2}) {
        settings.source = beyond;
        applyDigitalPreset(settings, 8);
    }
    EXPECT_EQ(settings.writes, 0);
    settings.source = 17;
    applyAnalogPreset(settings, 1);
    settings.source = 8;
    applyDigitalPreset(settings, 8);
    EXPECT_EQ(settings.writes, 5 + 3);
}

TEST(Presets, ChangingTheSourceAloneKeepsEdits) {
    SettingsStore store;
    store.setIndex("Teleanalog1_source", 11);
    applyAnalogPreset(store, 1);
    store.setText("Teleanalog1_name", "Batt");
    store.setIndex("Teleanalog1_source", 9);
    EXPECT_EQ(store.text("Teleanalog1_name"), "Batt");
    applyAnalogPreset(store, 1);
    EXPECT_EQ(store.text("Teleanalog1_name"), "Temp");
}

TEST(Presets, PresetTextsFitTheChannelsEditLimits) {
    // Every preset must be typeable into the channel it lands in.
    const auto fits = [](const LooseSettings& settings, const std::string& name) {
        return settings.text(name).size() <= static_cast<size_t>(settingDef(name).editLimit);
    };
    for (int channel = 1; channel <= kAnalogChannels; ++channel) {
        for (size_t source = 0; source < analogSourceEntries().size(); ++source) {
            LooseSettings settings;
            settings.source = static_cast<int>(source);
            applyAnalogPreset(settings, channel);
            for (const char* rest : {"_name", "_units", "_coefa", "_coefb", "_coefc"}) {
                const std::string name = field(channel, "Teleanalog", rest);
                EXPECT_TRUE(fits(settings, name)) << name << " source " << source;
            }
        }
    }
    for (int channel = 1; channel <= kDigitalChannels; ++channel) {
        for (size_t source = 0; source < digitalSourceEntries().size(); ++source) {
            LooseSettings settings;
            settings.source = static_cast<int>(source);
            applyDigitalPreset(settings, channel);
            for (const char* rest : {"_name", "_units"}) {
                const std::string name = field(channel, "Teledigital", rest);
                EXPECT_TRUE(fits(settings, name)) << name << " source " << source;
            }
        }
    }
}

TEST(Presets, SourceListsHaveTheirEntriesInOrder) {
    const auto analog = analogSourceEntries();
    ASSERT_EQ(analog.size(), 18u);
    EXPECT_EQ(analog[0], "Not used");
    EXPECT_EQ(analog[9], "(M) Temperature (DS18B20)");
    EXPECT_EQ(analog[14], "(I) DIGI'ed packets (1 hour)");
    EXPECT_EQ(analog[17], "(I) Decode efficiency (1 hour)");
    const auto digital = digitalSourceEntries();
    ASSERT_EQ(digital.size(), 9u);
    EXPECT_EQ(digital[4], "(M) Output 4");
    EXPECT_EQ(digital[5], "(M) Input 1");
}

}  // namespace
}  // namespace korvex
