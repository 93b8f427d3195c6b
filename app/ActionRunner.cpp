#include "app/ActionRunner.h"

#include <exception>

#include "settings/IntegerRule.h"

namespace korvex::app {

bool ActionRunner::run(const std::function<void()>& action) const {
    try {
        action();
        return true;
    } catch (const NotAnInteger& notANumber) {
        feedback_.error(notANumber.what());
        if (!notANumber.setting().empty()) {
            feedback_.settingRefused(notANumber.setting());
        }
    } catch (const std::exception& failure) {
        feedback_.error(failure.what());
    }
    feedback_.setActionsEnabled(true);
    return false;
}

}  // namespace korvex::app
