#pragma once
// Runs every button action of the window. A number setting that is not a number ends the action
// with "'TEXT' is not a valid integer value" in the general error box (and then names the setting
// that held TEXT through Feedback::settingRefused); any other failure that escapes an action is
// shown there too, and the action buttons are usable again afterwards.

#include <functional>
#include <utility>

#include "settings/Feedback.h"

namespace korvex::app {

class ActionRunner {
  public:
    explicit ActionRunner(Feedback& feedback) : feedback_(feedback) {}
    // Returns true when the action ran to its end without an exception.
    bool run(const std::function<void()>& action);
    // Told true as an action starts and false once it has ended, its error box included; an
    // action run from within another counts as part of it.
    void onRunning(std::function<void(bool)> running) { running_ = std::move(running); }

  private:
    bool runCaught(const std::function<void()>& action);

    Feedback& feedback_;
    std::function<void(bool)> running_;
    int depth_ = 0;
};

}  // namespace korvex::app
