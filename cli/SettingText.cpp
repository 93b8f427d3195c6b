#include "cli/SettingText.h"

#include "settings/Latin1.h"
#include "settings/SettingCaption.h"

namespace korvex::cli {

std::string kindName(SettingKind kind) {
    switch (kind) {
        case SettingKind::Edit:
            return "edit";
        case SettingKind::Choice:
            return "choice";
        case SettingKind::Check:
            return "check";
    }
    return {};
}

nlohmann::ordered_json describeSetting(const SettingDef& def) {
    return {{"name", std::string(def.name)},    {"tab", tabText(def)},
            {"page", latin1ToUtf8(def.page)},   {"group", latin1ToUtf8(def.group)},
            {"label", latin1ToUtf8(def.label)}, {"kind", kindName(def.kind)}};
}

std::string labelText(const SettingDef& def) {
    return latin1ToUtf8(numberedLabel(def));
}

std::string tabText(const SettingDef& def) {
    return latin1ToUtf8(settingPlace(def));
}

}  // namespace korvex::cli
