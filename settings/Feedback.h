#pragma once
// The feedback seam: everything the user is told during an action.

#include <filesystem>
#include <string>
#include <string_view>

namespace korvex {

// What a write that failed after the device was opened left on the device.
enum class DeviceAfterWrite {
    Untouched,            // nothing of its configuration was changed
    PartlyWritten,        // some pages are new, the rest old: the device will refuse it
    WrittenButDifferent,  // every page went, but the device does not hold (or could not be
                          // read back to show that it holds) what was sent
};

struct WriteFailure {
    DeviceAfterWrite state = DeviceAfterWrite::Untouched;
    // What happened and what to do, one line.
    std::string text;
    // The backup kept by this write; empty when none was kept.
    std::filesystem::path backup;
};

class Feedback {
  public:
    virtual ~Feedback() = default;

    // One line appended to the log pane.
    virtual void log(std::string_view line) = 0;
    // Modal box titled "Information" with an information icon and one OK button.
    virtual void information(std::string_view text) = 0;
    // Modal box with its own caption, an information icon and one OK button.
    virtual void message(std::string_view caption, std::string_view text) = 0;
    // Modal plain box (no icon) captioned with the application title.
    virtual void plainMessage(std::string_view text) = 0;
    // The application's general error box (conversion errors, unwritable files).
    virtual void error(std::string_view text) = 0;
    // A line that the user must not miss: appended to the log, and shown in a warning box too
    // where there is a window.
    virtual void warning(std::string_view line) { log(line); }
    // The end of a write that failed after the device was opened: its text logged, and where
    // there is a window, a box that offers the way back.
    virtual void writeFailed(const WriteFailure& failure) { warning(failure.text); }
    // What the action waits for, while it waits ("" when it no longer does); a window shows it
    // in its status line. Nothing happens by default.
    virtual void waiting(std::string_view /*what*/) {}

    // Progress bar: position 0, range 0..max; one step per good page; back to 0 at the end.
    virtual void progressBegin(int max) = 0;
    virtual void progressStep() = 0;
    virtual void progressReset() = 0;

    // Lets the window process pending events (a no-op without a window).
    virtual void keepResponsive() = 0;
    // Enables or disables the six action buttons of the top row.
    virtual void setActionsEnabled(bool enabled) = 0;

    // The setting whose check (or number conversion) just ended an action, told after its box
    // has closed, so that a window can lead the user to its field. Nothing happens by default.
    virtual void settingRefused(std::string_view /*setting*/) {}
};

}  // namespace korvex
