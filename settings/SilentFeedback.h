#pragma once
// Feedback that tells nobody anything: for runs whose outcome is checked by other means (start-up
// images, benchmarks, fuzz targets). Derived classes keep what they need.

#include <string_view>

#include "settings/Feedback.h"

namespace korvex {

class SilentFeedback : public Feedback {
  public:
    void log(std::string_view) override {}
    void information(std::string_view) override {}
    void message(std::string_view, std::string_view) override {}
    void plainMessage(std::string_view) override {}
    void error(std::string_view) override {}
    void progressBegin(int) override {}
    void progressStep() override {}
    void progressReset() override {}
    void keepResponsive() override {}
    void setActionsEnabled(bool) override {}
};

}  // namespace korvex
