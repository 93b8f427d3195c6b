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

std::string numberedLabel(const SettingDef& def) {
    const std::string label(def.label);
    return def.row < 0 ? label : std::to_string(def.row + 1) + ". " + label;
}

std::string_view settingPlace(const SettingDef& def) {
    return def.window == SettingWindow::FilterDialog ? std::string_view("Packet filter") : def.tab;
}

std::string settingPagePlace(const SettingDef& def) {
    std::string place(settingPlace(def));
    return def.page.empty() ? place : place + " / " + std::string(def.page);
}

}  // namespace korvex
