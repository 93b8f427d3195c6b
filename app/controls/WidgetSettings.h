#pragma once
// Settings over the named controls of the main window and the filter dialog: each setting is the
// content of the control whose objectName is the setting's name, so the windows stay the owners
// of the settings. Texts cross as ISO-8859-1.

#include <QList>
#include <QPointer>
#include <string>
#include <unordered_map>

#include "settings/Settings.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace korvex::app {

class LimitedLineEdit;

class WidgetSettings final : public Settings {
  public:
    // Finds the control of every catalogue entry among the children of the window that the entry
    // names; a missing control or one of the wrong kind throws std::logic_error.
    WidgetSettings(QWidget& mainWindow, QWidget& filterDialog);

    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view value) override;
    int index(std::string_view name) const override;
    void setIndex(std::string_view name, int index) override;
    bool checked(std::string_view name) const override;
    void setChecked(std::string_view name, bool value) override;

    // The clock fields Rtcyear..Rtcmin are enabled exactly when Uploadpctime is not ticked; the
    // reaction of a click on Uploadpctime or Ntp_enable.
    void applyClockFieldsRule();

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    template <typename Control>
    using ControlMap = std::unordered_map<std::string, QPointer<Control>, Hash, std::equal_to<>>;

    template <typename Control>
    static Control& find(const ControlMap<Control>& controls, std::string_view name);

    ControlMap<LimitedLineEdit> edits_;
    ControlMap<QComboBox> lists_;
    ControlMap<QCheckBox> boxes_;
};

}  // namespace korvex::app
