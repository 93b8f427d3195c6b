#include "app/controls/WidgetSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <stdexcept>

#include "app/controls/LimitedLineEdit.h"
#include "app/seams/Latin1.h"
#include "settings/Catalogue.h"

namespace korvex::app {

namespace {

constexpr std::string_view kClockFields[] = {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"};

template <typename Control>
Control* findControl(QWidget& window, const SettingDef& def) {
    auto* control = window.findChild<Control*>(fromLatin1(def.name));
    if (!control) {
        throw std::logic_error("no control of the right kind for setting " + std::string(def.name));
    }
    return control;
}

}  // namespace

WidgetSettings::WidgetSettings(QWidget& mainWindow, QWidget& filterDialog) {
    for (const auto& def : catalogue()) {
        QWidget& window = def.window == SettingWindow::FilterDialog ? filterDialog : mainWindow;
        const std::string name(def.name);
        switch (def.kind) {
            case SettingKind::Edit:
                edits_.emplace(name, findControl<LimitedLineEdit>(window, def));
                break;
            case SettingKind::Choice:
                lists_.emplace(name, findControl<QComboBox>(window, def));
                break;
            case SettingKind::Check:
                boxes_.emplace(name, findControl<QCheckBox>(window, def));
                break;
        }
    }
}

template <typename Control>
Control& WidgetSettings::find(const ControlMap<Control>& controls, std::string_view name) {
    const auto found = controls.find(name);
    if (found == controls.end() || !found->second) {
        throw std::logic_error("no setting of this kind: " + std::string(name));
    }
    return *found->second;
}

std::string WidgetSettings::text(std::string_view name) const {
    return toLatin1(find(edits_, name).text());
}

void WidgetSettings::setText(std::string_view name, std::string_view value) {
    find(edits_, name).setStoredText(fromLatin1(value));
}

int WidgetSettings::index(std::string_view name) const {
    return find(lists_, name).currentIndex();
}

void WidgetSettings::setIndex(std::string_view name, int index) {
    auto& list = find(lists_, name);
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

bool WidgetSettings::checked(std::string_view name) const {
    return find(boxes_, name).isChecked();
}

void WidgetSettings::setChecked(std::string_view name, bool value) {
    find(boxes_, name).setChecked(value);
    if (name == "Uploadpctime" || name == "Ntp_enable") {
        applyClockFieldsRule();
    }
}

void WidgetSettings::applyClockFieldsRule() {
    const bool enabled = !checked("Uploadpctime");
    for (const auto field : kClockFields) {
        find(edits_, field).setEnabled(enabled);
    }
}

}  // namespace korvex::app
