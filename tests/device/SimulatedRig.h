#pragma once
// A simulated Korvex Mini on a simulated bus, the link to it and a recording feedback. Waits for
// replies that never come are recorded instead of slept.

#include <chrono>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/SimulatedDevice.h"
#include "support/RecordingFeedback.h"

namespace korvex::testing {

// Also keeps log lines and progress calls in one stream, to check how they interleave.
class SequenceFeedback : public RecordingFeedback {
  public:
    void log(std::string_view line) override {
        RecordingFeedback::log(line);
        events.push_back("log " + std::string(line));
    }
    void progressBegin(int max) override {
        RecordingFeedback::progressBegin(max);
        events.push_back("begin " + std::to_string(max));
    }
    void progressStep() override {
        RecordingFeedback::progressStep();
        events.push_back("step");
    }
    void progressReset() override {
        RecordingFeedback::progressReset();
        events.push_back("reset");
    }
    std::vector<std::string> events;
};

// The events of a page loop: begin, then a line and a step per page.
inline std::vector<std::string> pageEvents(const std::string& prefix, int count, int total) {
    std::vector<std::string> events{"begin " + std::to_string(total)};
    for (int page = 1; page <= count; ++page) {
        events.push_back("log " + prefix + std::to_string(page) + "/" + std::to_string(total));
        events.push_back("step");
    }
    return events;
}

struct SimulatedRig {
    explicit SimulatedRig(const ConfigImage& eeprom = ConfigImage{}) : device(eeprom) {
        path = bus.plug(device);
    }

    std::vector<std::chrono::milliseconds> waits;
    SimulatedDevice device;
    SimulatedBus bus{[this](std::chrono::milliseconds wait) { waits.push_back(wait); }};
    std::string path;
    DeviceLink link{bus};
    SequenceFeedback feedback;
};

inline const std::string kFoundLine = "Korvex Mini found, vid: Vid_0483, pid: A04B";
inline const std::string kNotFoundLine = "Korvex Mini not found.";

// "Page written: 1/N" ... "Page written: count/N".
inline std::vector<std::string> pageLines(const std::string& prefix, int count, int total) {
    std::vector<std::string> lines;
    for (int page = 1; page <= count; ++page) {
        lines.push_back(prefix + std::to_string(page) + "/" + std::to_string(total));
    }
    return lines;
}

// Concatenation of line lists, for whole expected logs.
inline std::vector<std::string> lines(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

}  // namespace korvex::testing
