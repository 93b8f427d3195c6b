#include "settings/SettingCaption.h"

namespace korvex {

std::string settingCaption(const SettingDef& def) {
    std::string_view label = def.label;
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.remove_suffix(1);
    }
    if (label.empty()) {
        return std::string(def.name);
    }
    std::string caption(label);
    if (def.row >= 0) {
        caption += " (" + std::string(def.name) + ")";
    }
    return caption;
}

std::string_view settingPlace(const SettingDef& def) {
    return def.window == SettingWindow::FilterDialog ? std::string_view("Packet filter") : def.tab;
}

}  // namespace korvex
