#include "app/window/ActionRunner.h"

#include <exception>

#include "settings/IntegerRule.h"

namespace korvex::app {

bool ActionRunner::run(const std::function<void()>& action) {
    struct Depth {
        ActionRunner& runner;
        explicit Depth(ActionRunner& r) : runner(r) {
            if (runner.depth_++ == 0 && runner.running_) {
                runner.running_(true);
            }
        }
        ~Depth() {
            if (--runner.depth_ == 0 && runner.running_) {
                runner.running_(false);
            }
        }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } depth(*this);
    return runCaught(action);
}

bool ActionRunner::runCaught(const std::function<void()>& action) {
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
