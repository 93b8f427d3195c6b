#include "advice/StationCheck.h"

#include "image/Codec.h"
#include "settings/Catalogue.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

// Keeps the first check's message and setting.
class RefusalFeedback final : public SilentFeedback {
  public:
    void information(std::string_view text) override { message.assign(text); }
    void settingRefused(std::string_view name) override { setting.assign(name); }

    std::string message;
    std::string setting;
};

SettingsStore copyOf(const Settings& settings) {
    SettingsStore copy;
    for (const SettingDef& def : catalogue()) {
        switch (def.kind) {
            case SettingKind::Edit:
                copy.setText(def.name, settings.text(def.name));
                break;
            case SettingKind::Choice:
                copy.setIndex(def.name, settings.index(def.name));
                break;
            case SettingKind::Check:
                copy.setChecked(def.name, settings.checked(def.name));
                break;
        }
    }
    return copy;
}

}  // namespace

StationCheck checkStation(const Settings& settings, const Clock& clock) {
    StationCheck check;
    SettingsStore copy = copyOf(settings);
    if (copy.checked("Uploadpctime")) {
        CopyPcTime(copy, clock);
    }
    RefusalFeedback refusal;
    ConfigImage image;
    try {
        check.passed = EncodeConfigImage(image, copy, refusal, clock);
    } catch (const NotAnInteger& notANumber) {
        refusal.message = notANumber.what();
        refusal.setting = notANumber.setting();
    }
    if (!check.passed) {
        check.refusal = std::move(refusal.message);
        check.refusedSetting = std::move(refusal.setting);
        return check;
    }
    check.advice = adviseStation(settings);
    return check;
}

}  // namespace korvex
