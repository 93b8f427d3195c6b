// The station check on arbitrary settings: the input is a list of edits, each two bytes naming a
// setting by its place in the catalogue (little-endian, modulo the catalogue's size) and the
// value up to the next newline (an edit field's text; a list's index or a box's state from the
// value's first byte). Applied to the start-up settings, and when they then pass the checks of
// "Write config", the station check advises on them without a fault, and every piece of advice
// names its settings and says something. The edits are undone after each input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "advice/Advice.h"
#include "image/Codec.h"
#include "settings/Catalogue.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "advice_fuzz: invariant broken at line %d\n", line);
        std::abort();
    }
}

void apply(Settings& settings, const SettingDef& def, std::string_view value) {
    const int first = value.empty() ? 0 : static_cast<uint8_t>(value[0]);
    switch (def.kind) {
        case SettingKind::Edit:
            settings.setText(def.name, value);
            break;
        case SettingKind::Choice:
            settings.setIndex(def.name, first % (static_cast<int>(def.choices.size()) + 1) - 1);
            break;
        case SettingKind::Check:
            settings.setChecked(def.name, (first & 1) != 0);
            break;
    }
}

void restore(Settings& settings, const Settings& base, const SettingDef& def) {
    switch (def.kind) {
        case SettingKind::Edit:
            settings.setText(def.name, base.text(def.name));
            break;
        case SettingKind::Choice:
            settings.setIndex(def.name, base.index(def.name));
            break;
        case SettingKind::Check:
            settings.setChecked(def.name, base.checked(def.name));
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FixedClock clock(UtcDateTime{2024, 1, 1, 0, 0, 0});
    static const SettingsStore base = startupSettings(clock);
    static SettingsStore settings = base;
    static ConfigImage image;
    const auto defs = catalogue();
    std::vector<const SettingDef*> edited;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (size_t at = 0; at + 2 <= input.size();) {
        const size_t place =
            (static_cast<uint8_t>(input[at]) | static_cast<uint8_t>(input[at + 1]) << 8) %
            defs.size();
        at += 2;
        const size_t end = std::min(input.find('\n', at), input.size());
        apply(settings, defs[place], input.substr(at, end - at));
        edited.push_back(&defs[place]);
        at = end + 1;
    }
    SilentFeedback quiet;
    bool passed = false;
    try {
        passed = EncodeConfigImage(image, settings, quiet, clock);
    } catch (const NotAnInteger&) {
    }
    if (passed) {
        for (const Advice& advice : adviseStation(settings)) {
            check(advice.rule != nullptr && !advice.settings.empty() && !advice.text.empty());
        }
    }
    for (const SettingDef* def : edited) {
        restore(settings, base, *def);
    }
    return 0;
}
