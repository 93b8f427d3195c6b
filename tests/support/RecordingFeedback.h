#pragma once
// A Feedback that records everything it is told, in order, for assertions.

#include <string>
#include <vector>

#include "settings/Feedback.h"

namespace korvex::testing {

class RecordingFeedback : public Feedback {
  public:
    struct Box {
        std::string kind;  // "information", "message", "plain", "error"
        std::string caption;
        std::string text;
        bool operator==(const Box&) const = default;
    };

    void log(std::string_view line) override { logLines.emplace_back(line); }
    void information(std::string_view text) override {
        boxes.push_back({"information", "Information", std::string(text)});
    }
    void message(std::string_view caption, std::string_view text) override {
        boxes.push_back({"message", std::string(caption), std::string(text)});
    }
    void plainMessage(std::string_view text) override {
        boxes.push_back({"plain", "Korvex Mini Configurator", std::string(text)});
    }
    void error(std::string_view text) override {
        boxes.push_back({"error", "", std::string(text)});
    }
    void progressBegin(int max) override {
        progressMax = max;
        progressPosition = 0;
        progressEvents.push_back("begin " + std::to_string(max));
    }
    void progressStep() override { ++progressPosition; }
    void progressReset() override {
        progressPosition = 0;
        progressEvents.push_back("reset");
    }
    void keepResponsive() override { ++responsiveCalls; }
    void waiting(std::string_view what) override { waitingTexts.emplace_back(what); }
    void setActionsEnabled(bool enabled) override {
        actionsEnabled = enabled;
        actionsEnabledEvents.push_back(enabled);
    }

    // The text of the only box shown, or "" when none; fails loudly in tests through the caller.
    std::string lastBoxText() const { return boxes.empty() ? std::string() : boxes.back().text; }

    std::vector<std::string> logLines;
    std::vector<Box> boxes;
    std::vector<std::string> progressEvents;
    std::vector<bool> actionsEnabledEvents;
    std::vector<std::string> waitingTexts;
    int progressMax = 100;
    int progressPosition = 0;
    int responsiveCalls = 0;
    bool actionsEnabled = true;
};

}  // namespace korvex::testing
