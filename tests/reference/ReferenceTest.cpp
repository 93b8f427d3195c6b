// The settings reference against the tables it is generated from, and the search over settings.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "advice/Advice.h"
#include "files/ConfigKeys.h"
#include "image/Layout.h"
#include "reference/ReferenceDocument.h"
#include "reference/ReferenceFile.h"
#include "reference/SettingSearch.h"
#include "settings/SettingTexts.h"
#include "support/TempDir.h"

namespace korvex::testing {
namespace {

size_t count(const std::string& text, const std::string& part) {
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

std::string scdocName(std::string_view name) {
    std::string out;
    for (const char c : name) {
        out += c == '_' ? "\\_" : std::string(1, c);
    }
    return out;
}

// Every setting once in each generated document, each with its own "what it does" text, and no
// row of the texts or the station check that explains nothing.
TEST(SettingsReference, EverySettingExactlyOnceWithItsText) {
    const std::vector<ReferenceEntry> entries = referenceEntries();
    const std::string html = referenceHtml(entries);
    const std::string man = referenceManPage(entries);
    ASSERT_EQ(entries.size(), catalogue().size());
    EXPECT_EQ(count(html, "<section id="), catalogue().size());
    EXPECT_EQ(count(man, "\n## "), catalogue().size());
    for (const SettingDef& def : catalogue()) {
        const std::string name(def.name);
        EXPECT_EQ(count(html, "<section id=\"" + name + "\">"), 1u) << name;
        EXPECT_EQ(count(html, "<a href=\"#" + name + "\">"), 1u) << name;
        EXPECT_EQ(count(man, "\n## " + scdocName(name) + "\n"), 1u) << name;
        size_t rows = 0;
        for (const SettingText& row : settingTexts()) {
            rows += namesMatch(row.names, def.name) ? 1 : 0;
        }
        EXPECT_EQ(rows, 1u) << name << " needs exactly one text";
    }
    for (const SettingText& row : settingTexts()) {
        EXPECT_TRUE(std::any_of(catalogue().begin(), catalogue().end(), [&](const SettingDef& def) {
            return namesMatch(row.names, def.name);
        })) << row.names;
    }
    for (const AdviceRule& rule : adviceRules()) {
        EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                                [&](const ReferenceEntry& entry) {
                                    return std::find(entry.rules.begin(), entry.rules.end(),
                                                     &rule) != entry.rules.end();
                                }))
            << rule.id << " names no setting: " << rule.settings;
    }
}

// Limits, keys, load defaults and checks come from the catalogue, the key table and the layout.
TEST(SettingsReference, FieldsComeFromTheTables) {
    size_t keyed = 0;
    for (const ReferenceEntry& entry : referenceEntries()) {
        const SettingDef& def = *entry.def;
        const std::string name(def.name);
        EXPECT_EQ(entry.limit.empty(), def.kind != SettingKind::Edit) << name;
        if (def.kind == SettingKind::Edit) {
            EXPECT_TRUE(entry.limit.starts_with(std::to_string(def.editLimit) + " character"))
                << name;
        }
        EXPECT_EQ(entry.entries.size(), def.choices.size()) << name;
        keyed += entry.key.empty() ? 0 : 1;
    }
    EXPECT_EQ(keyed, configKeys().size());
    for (const FieldRow& row : layout()) {
        if (!row.message.empty() && row.kind != RowKind::OptionalCall &&
            row.kind != RowKind::WildcardCall) {
            EXPECT_EQ(referenceEntry(settingDef(row.setting)).checkMessage, row.message)
                << row.setting;
        }
    }

    struct Case {
        std::string name, field, value;
    };
    const std::vector<Case> cases = {
        {"Quiettime_randomize", "Start-up value", "\"+/- 128 ms\""},
        {"Quiettime_randomize", "When the file lacks it", "\"+/- 64 ms\""},
        {"Quiettime_randomize", "Configuration file", "[Radio] Quiettime_randomize (choice)"},
        {"Txdelay", "Configuration file", "[Radio] TXdelay (number)"},
        {"Txdelay", "Write config accepts",
         "200 to 1000, else \"TX delay - range error (200 - 1000).\""},
        {"Beacon3_txrate_rf", "Write config accepts",
         "0, or 5 to 1440, else \"Beacon 3 tx rate (RF) range error (5 - 1440), or 0 to "
         "disable.\""},
        {"Beacon3_txrate_rf", "Where", "Beacons / 3. RF rate [min]:"},
        {"Packet2rf_filter_ssid12", "Where", "Packet filter / 12. SSID:"},
        {"Pathn1_active", "Start-up value", "ticked"},
        {"Pathn3_active", "When the file lacks it", "not ticked"},
        {"Teleanalog1_name", "Where", "Telemetry reports / Analog channels / 1. Name:"},
        {"Rtcyear", "Configuration file", "not kept"},
        {"www_password", "Kind", "edit field, 12 characters"},
    };
    for (const Case& c : cases) {
        bool seen = false;
        for (const auto& [field, value] : entryFields(referenceEntry(settingDef(c.name)))) {
            if (field == c.field) {
                EXPECT_EQ(value, c.value) << c.name << " " << c.field;
                seen = true;
            }
        }
        EXPECT_TRUE(seen) << c.name << " " << c.field;
    }
    const ReferenceEntry callsign = referenceEntry(settingDef("Callsign"));
    ASSERT_FALSE(callsign.rules.empty());
    EXPECT_EQ(callsign.rules.front()->id, "callsign-nocall");
}

struct SearchCase {
    std::string query;
    std::vector<std::string> first;  // the first matches, in order
    size_t atLeast = 0;              // how many settings match at least
};

TEST(SettingSearch, FindsByLabelNameKeyAndHint) {
    const SettingSearch search;
    const std::vector<SearchCase> cases = {
        {"txdelay", {"Txdelay"}, 1},
        {"TX DELAY", {"Txdelay"}, 1},
        {"Ssid", {"Ssid"}, 40},
        {"rf rate", {"Beacon1_txrate_rf"}, 8},
        {"preamble", {"Txdelay"}, 1},
        {"Aprsis_packet2rf_1min", {"Aprsis_packet2rf_1min"}, 1},
        {"[min]", {}, 10},
        {"nothing-like-this", {}, 0},
        {"", {}, 0},
        {"   ", {}, 0},
        {std::string(200, 'x'), {}, 0},
        {"?*()\\", {}, 0},
    };
    for (const SearchCase& c : cases) {
        const std::vector<const SettingDef*> found = search.find(c.query);
        EXPECT_GE(found.size(), c.atLeast) << c.query;
        if (c.atLeast == 0) {
            EXPECT_TRUE(found.empty()) << c.query;
        }
        for (size_t i = 0; i < c.first.size() && i < found.size(); ++i) {
            EXPECT_EQ(found[i]->name, c.first[i]) << c.query;
        }
    }
    EXPECT_EQ(matchCaption(settingDef("Beacon1_txrate_rf")), "Beacons / 1. RF rate [min]");
}

// Beside the program first (a build, Windows), then in the installed package's documentation.
TEST(ReferenceFile, FoundBesideTheProgramOrInTheDocumentation) {
    const TempDir root;
    const auto bin = root / "usr/bin";
    const auto doc = root / "usr/share/doc/korvex-mini-configurator";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(doc);
    EXPECT_EQ(
        documentPlaces(bin, kReferenceFileName),
        (std::vector<std::filesystem::path>{bin / kReferenceFileName, doc / kReferenceFileName}));
    EXPECT_EQ(findDocument(bin, kReferenceFileName), std::nullopt);
    std::ofstream(doc / kReferenceFileName) << "<html>";
    EXPECT_EQ(findDocument(bin, kReferenceFileName), doc / kReferenceFileName);
    std::ofstream(bin / kReferenceFileName) << "<html>";
    EXPECT_EQ(findDocument(bin, kReferenceFileName), bin / kReferenceFileName);
}

}  // namespace
}  // namespace korvex::testing
