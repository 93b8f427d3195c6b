#include "app/window/ChangeTracker.h"

#include "files/ConfigKeys.h"

namespace korvex::app {

void ChangeTracker::markUnchanged() {
    unchanged_ = values();
}

bool ChangeTracker::changed() const {
    return values() != unchanged_;
}

std::vector<std::string> ChangeTracker::values() const {
    std::vector<std::string> values;
    values.reserve(configKeys().size());
    for (const ConfigKey& key : configKeys()) {
        switch (key.form) {
            case ValueForm::Text:
            case ValueForm::Number:
                values.push_back(settings_.text(key.setting));
                break;
            case ValueForm::Choice:
                values.push_back(std::to_string(settings_.index(key.setting)));
                break;
            case ValueForm::Flag:
                values.push_back(settings_.checked(key.setting) ? "1" : "0");
                break;
        }
    }
    return values;
}

}  // namespace korvex::app
