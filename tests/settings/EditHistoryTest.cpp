// Undo and redo: typing in one field is one step, a whole action is one step, undo past the
// first step does nothing, a new change forgets what was undone, the clock fields stay.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/EditHistory.h"
#include "settings/StartupState.h"

namespace korvex::testing {
namespace {

const FixedClock kClock({2026, 12, 9, 12, 34, 0});

struct Step {
    std::string what;  // for the failure message
    std::function<void(SettingsStore&, EditHistory&)> act;
    std::string callsign;  // Callsign afterwards
    std::string ssid;      // Ssid afterwards
    int baudrate = 0;      // Baudrate afterwards
    bool canUndo = false;
    bool canRedo = false;
};

TEST(EditHistory, StepsBackAndForth) {
    const auto type = [](std::string name, std::string text) {
        return [=](SettingsStore& s, EditHistory& h) {
            s.setText(name, text);
            h.changed(name);
        };
    };
    const auto undo = [](SettingsStore&, EditHistory& h) { h.undo(); };
    const auto redo = [](SettingsStore&, EditHistory& h) { h.redo(); };
    const std::vector<Step> steps = {
        {"nothing changed is no step",
         [](SettingsStore&, EditHistory& h) { h.changed("Callsign"); }, "NOCALL", "0", false,
         false},
        {"type S", type("Callsign", "S"), "S", "0", 0, true, false},
        {"type SP5", type("Callsign", "SP5"), "SP5", "0", 0, true, false},
        {"type the SSID", type("Ssid", "3"), "SP5", "3", 0, true, false},
        {"undo the SSID", undo, "SP5", "0", 0, true, true},
        {"undo the typing at once", undo, "NOCALL", "0", 0, false, true},
        {"undo past the first step", undo, "NOCALL", "0", 0, false, true},
        {"redo the typing", redo, "SP5", "0", 0, true, true},
        {"a whole action",
         [](SettingsStore& s, EditHistory& h) {
             s.setText("Callsign", "SR5X");
             s.setText("Ssid", "9");
             s.setIndex("Baudrate", 1);
             h.changed();
         },
         "SR5X", "9", 1, true, false},
        {"undo the action as one step", undo, "SP5", "0", 0, true, true},
        {"type anew: redo is gone", type("Ssid", "1"), "SP5", "1", 0, true, false},
    };
    SettingsStore settings = startupSettings(kClock);
    EditHistory history(settings);
    for (const Step& step : steps) {
        step.act(settings, history);
        EXPECT_EQ(settings.text("Callsign"), step.callsign) << step.what;
        EXPECT_EQ(settings.text("Ssid"), step.ssid) << step.what;
        EXPECT_EQ(settings.index("Baudrate"), step.baudrate) << step.what;
        EXPECT_EQ(history.canUndo(), step.canUndo) << step.what;
        EXPECT_EQ(history.canRedo(), step.canRedo) << step.what;
    }
    // The clock fields are not the history's: an undo leaves them as the clock set them.
    settings.setText("Rtcyear", "2030");
    history.undo();
    EXPECT_EQ(settings.text("Rtcyear"), "2030");
    EXPECT_EQ(settings.text("Ssid"), "0");
}

}  // namespace
}  // namespace korvex::testing
