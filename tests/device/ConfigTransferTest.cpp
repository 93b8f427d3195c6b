#include <gtest/gtest.h>

#include <algorithm>

#include "SimulatedRig.h"
#include "device/ConfigTransfer.h"
#include "image/Codec.h"
#include "image/StartupImage.h"
#include "settings/Catalogue.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"

namespace korvex::testing {
namespace {

const FixedClock kStartClock(UtcDateTime{2013, 3, 1, 0, 30, 0});
const FixedClock kWriteClock(UtcDateTime{2024, 7, 9, 8, 5, 42});
constexpr const char* kClockFields[] = {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"};

// The settings whose values differ, with both values, for readable failures.
std::vector<std::string> differences(const SettingsStore& a, const SettingsStore& b) {
    std::vector<std::string> found;
    for (const SettingDef& def : catalogue()) {
        const std::string name(def.name);
        std::string left;
        std::string right;
        switch (def.kind) {
            case SettingKind::Edit:
                left = a.text(name);
                right = b.text(name);
                break;
            case SettingKind::Choice:
                left = std::to_string(a.index(name));
                right = std::to_string(b.index(name));
                break;
            case SettingKind::Check:
                left = a.checked(name) ? "ticked" : "unticked";
                right = b.checked(name) ? "ticked" : "unticked";
                break;
        }
        if (left != right) {
            found.push_back(name + ": " + left + " / " + right);
        }
    }
    return found;
}

bool allZero(const ConfigImage& image, size_t fromPage = 0) {
    return std::all_of(image.bytes.begin() + static_cast<std::ptrdiff_t>(fromPage * kPageSize),
                       image.bytes.end(), [](uint8_t byte) { return byte == 0; });
}

TEST(ReadConfig, GoodReadDecodesEveryPageAndShowsTheVersion) {
    SimulatedRig rig(startupImage(kStartClock));
    SettingsStore settings = startupSettings(kStartClock);
    settings.setText("Txdelay", "999");
    ConfigImage incoming;

    EXPECT_TRUE(ReadConfig(rig.link, incoming, settings, rig.feedback));

    EXPECT_EQ(rig.feedback.logLines, lines({{kFoundLine},
                                            pageLines("Page read: ", 192, 192),
                                            {"Eeprom read success.", kFoundLine}}));
    EXPECT_EQ(rig.feedback.events,
              lines({{"log " + kFoundLine},
                     pageEvents("Page read: ", 192, 192),
                     {"reset", "log Eeprom read success.", "log " + kFoundLine}}));
    EXPECT_EQ(rig.feedback.boxes,
              (std::vector<RecordingFeedback::Box>{
                  {"plain", "Korvex Mini Configurator", "Firmware version: 1.10"}}));
    EXPECT_EQ(incoming, rig.device.eeprom());
    EXPECT_EQ(settings.text("Txdelay"), "250");
    EXPECT_EQ(rig.device.requestCount(), 193u);
}

TEST(WriteConfig, GoodWriteSendsTheEncodedImage) {
    SimulatedRig rig;
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage outgoing;

    EXPECT_TRUE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock));

    EXPECT_EQ(
        rig.feedback.logLines,
        lines({{kFoundLine}, pageLines("Page written: ", 192, 192), {"Eeprom write success"}}));
    EXPECT_EQ(rig.feedback.events, lines({{"log " + kFoundLine},
                                          pageEvents("Page written: ", 192, 192),
                                          {"log Eeprom write success", "reset"}}));
    EXPECT_TRUE(rig.feedback.boxes.empty());
    EXPECT_EQ(rig.device.eeprom(), outgoing);
    EXPECT_TRUE(outgoing.checksumMatches());
    EXPECT_FALSE(allZero(outgoing));
}

TEST(ConfigTransfer, WriteThenReadRoundTripsEverySetting) {
    SimulatedRig rig;
    SettingsStore written = startupSettings(kStartClock);
    written.setText("Callsign", "SP5ABC");
    written.setText("Ssid", "10");
    written.setText("Txdelay", "300");
    written.setIndex("Baudrate", 1);
    written.setIndex("Digion", 0);
    written.setText("Beacon3_msg", "Korvex test beacon");
    written.setText("Aprsis_user", "SP5ABC-10");
    written.setChecked("Ntp_enable", false);
    ConfigImage outgoing;
    ASSERT_TRUE(WriteConfig(rig.link, outgoing, written, rig.feedback, kWriteClock));

    // Read into blank settings, so every setting must come from the image (all but the clock
    // fields and Uploadpctime, which the image does not hold).
    SettingsStore read;
    ConfigImage incoming;
    ASSERT_TRUE(ReadConfig(rig.link, incoming, read, rig.feedback));
    EXPECT_EQ(incoming, outgoing);
    for (const char* field : kClockFields) {
        read.setText(field, written.text(field));
    }
    read.setChecked("Uploadpctime", written.checked("Uploadpctime"));
    EXPECT_EQ(differences(read, written), std::vector<std::string>{});
    EXPECT_EQ(written.text("Rtchour"), "8");
    EXPECT_EQ(written.text("Rtcmin"), "5");
}

struct ReadFaultCase {
    const char* name;
    SimulatedFault fault;
    uint16_t page;
    std::vector<std::string> tail;  // the log after the page lines and the error line, with {P} for
                                    // the page that failed (counted from 1)
    bool versionShown;
    size_t waits;
    const char* cause = "";  // for {C}
    friend void PrintTo(const ReadFaultCase& c, std::ostream* out) { *out << c.name; }
};

class ReadFaultTest : public ::testing::TestWithParam<ReadFaultCase> {};

TEST_P(ReadFaultTest, StopsReadingAndReportsAsTheImageAllows) {
    const auto& param = GetParam();
    SimulatedRig rig(startupImage(kStartClock));
    rig.device.armFault(param.fault, param.page);
    SettingsStore settings = startupSettings(kStartClock);
    settings.setText("Txdelay", "999");
    ConfigImage incoming;
    incoming.bytes.fill(0xAA);

    ReadConfig(rig.link, incoming, settings, rig.feedback);

    std::vector<std::string> tail = param.tail;
    for (std::string& line : tail) {
        if (const auto at = line.find("{P}"); at != std::string::npos) {
            line.replace(at, 3, std::to_string(param.page + 1));
        }
        if (const auto at = line.find("{C}"); at != std::string::npos) {
            line.replace(at, 3, param.cause);
        }
    }
    EXPECT_EQ(rig.feedback.logLines,
              lines({{kFoundLine},
                     pageLines("Page read: ", param.page, 192),
                     {"Page read error: " + std::to_string(param.page + 1) + "/192"},
                     tail}));
    EXPECT_EQ(rig.feedback.progressEvents, std::vector<std::string>{"begin 192"});
    EXPECT_EQ(rig.feedback.progressPosition, param.page);
    EXPECT_TRUE(allZero(incoming, param.page)) << "pages not read stay zero";
    // What was read is the device's (the decoder may have cleared offset 13 of a refused image).
    if (param.page > 0) {
        EXPECT_TRUE(std::equal(incoming.bytes.begin() + 14,
                               incoming.bytes.begin() + param.page * 32,
                               rig.device.eeprom().bytes.begin() + 14));
    }
    const bool versionBox = std::any_of(rig.feedback.boxes.begin(), rig.feedback.boxes.end(),
                                        [](const auto& box) { return box.kind == "plain"; });
    EXPECT_EQ(versionBox, param.versionShown);
    EXPECT_EQ(rig.waits.size(), param.waits);
    EXPECT_EQ(settings.text("Txdelay"), param.page >= 63 ? "250" : "999");
}

const std::string kStopped = "The read stopped at page {P}: {C}.";
const char* const kRefused = "the device refused the request";
const char* const kDamaged = "the page arrived damaged (its sum did not match)";
const char* const kNoAnswer = "the device did not answer within 5 s";
const char* const kGone = "the device is gone (unplugged?)";
const std::vector<std::string> kRefusedTail = {"Eeprom read error. Please reload configuration.",
                                               kStopped, kFoundLine};
const std::vector<std::string> kChecksumTail = {
    "Eeprom checksum error. Please reload configuration.", kStopped};

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadFaultTest,
    ::testing::Values(
        // A zero image sums to its zero checksum: the decoder refuses it by its version text.
        ReadFaultCase{"RejectFirstPage", SimulatedFault::Reject, 0, kRefusedTail, true, 0,
                      kRefused},
        ReadFaultCase{"BadSumFirstPage", SimulatedFault::BadSum, 0, kRefusedTail, true, 0,
                      kDamaged},
        ReadFaultCase{"SilentFirstPage", SimulatedFault::Silent, 0, kRefusedTail, true, 1,
                      kNoAnswer},
        ReadFaultCase{"UnplugFirstPage",
                      SimulatedFault::Unplug,
                      0,
                      {"Eeprom read error. Please reload configuration.", kStopped, kNotFoundLine},
                      false,
                      0,
                      kGone},
        ReadFaultCase{"RejectLaterPage", SimulatedFault::Reject, 40, kChecksumTail, false, 0,
                      kRefused},
        ReadFaultCase{"BadSumLaterPage", SimulatedFault::BadSum, 5, kChecksumTail, false, 0,
                      kDamaged},
        ReadFaultCase{"SilentLaterPage", SimulatedFault::Silent, 62, kChecksumTail, false, 1,
                      kNoAnswer},
        ReadFaultCase{"UnplugLaterPage", SimulatedFault::Unplug, 17, kChecksumTail, false, 0,
                      kGone},
        // Pages from 63 on lie outside the checksum and hold no setting: the image still decodes.
        ReadFaultCase{"RejectPastTheSettings",
                      SimulatedFault::Reject,
                      100,
                      {"Eeprom read success.",
                       "Pages {P} to 192 were not read; they hold no settings.", kFoundLine},
                      true,
                      0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadConfig, FirstPageFailureShowsTheDecodersRefusalBeforeTheVersion) {
    SimulatedRig rig(startupImage(kStartClock));
    rig.device.armFault(SimulatedFault::Reject, 0);
    SettingsStore settings = startupSettings(kStartClock);
    const SettingsStore before = settings;
    ConfigImage incoming;
    EXPECT_FALSE(ReadConfig(rig.link, incoming, settings, rig.feedback));
    ASSERT_EQ(rig.feedback.boxes.size(), 2u);
    EXPECT_EQ(rig.feedback.boxes[0].kind, "information");
    EXPECT_EQ(rig.feedback.boxes[0].text.rfind("Uncompatible configuration version:", 0), 0u)
        << rig.feedback.boxes[0].text;
    EXPECT_EQ(rig.feedback.boxes[1].text, "Firmware version: 1.10");
    EXPECT_EQ(differences(settings, before), std::vector<std::string>{});
}

TEST(ReadConfig, AbsentDeviceClearsTheImageAndLogsOnlyNotFound) {
    SimulatedBus empty;
    DeviceLink link(empty);
    RecordingFeedback feedback;
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage incoming;
    incoming.bytes.fill(0xAA);
    EXPECT_FALSE(ReadConfig(link, incoming, settings, feedback));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kNotFoundLine});
    EXPECT_TRUE(feedback.progressEvents.empty());
    EXPECT_TRUE(allZero(incoming));
}

TEST(ReadConfig, DeviceWithoutPermissionFailsAtTheFirstPage) {
    SimulatedRig rig(startupImage(kStartClock));
    rig.bus.denyAccess(rig.path);
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage incoming;
    EXPECT_FALSE(ReadConfig(rig.link, incoming, settings, rig.feedback));
    const std::string noAccess =
        "Korvex Mini could not be opened (no permission?). Install the udev rule: see README.";
    EXPECT_EQ(
        rig.feedback.logLines,
        (std::vector<std::string>{kFoundLine, noAccess, "Page read error: 1/192",
                                  "Eeprom read error. Please reload configuration.",
                                  "The read stopped at page 1: the device could not be opened.",
                                  kFoundLine, noAccess}));
}

struct WriteFaultCase {
    const char* name;
    SimulatedFault fault;
    uint16_t page;
    const char* cause;
    friend void PrintTo(const WriteFaultCase& c, std::ostream* out) { *out << c.name; }
};

class WriteFaultTest : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(WriteFaultTest, StopsWritingAndLeavesTheOldImageBehind) {
    const auto& param = GetParam();
    ConfigImage old;
    old.bytes.fill(0x77);
    SimulatedRig rig(old);
    rig.device.armFault(param.fault, param.page);
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage outgoing;

    EXPECT_FALSE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock));

    // Without a backup nothing shows what the device held, so only a refusal or a device gone at
    // the first page is known to have left it untouched.
    const std::string page = std::to_string(param.page + 1);
    EXPECT_EQ(rig.feedback.logLines,
              lines({{kFoundLine},
                     pageLines("Page written: ", param.page, 192),
                     {"Page write error: " + page + "/192",
                      "The write stopped at page " + page + ": " + param.cause + ".",
                      param.page == 0 ? "The device still holds the configuration it held "
                                        "before: the write changed nothing on it."
                                      : "The device now holds a partly written configuration "
                                        "that it will not accept: write again."}}));
    EXPECT_EQ(rig.feedback.progressEvents, std::vector<std::string>{"begin 192"});
    EXPECT_EQ(rig.feedback.progressPosition, param.page);
    const auto split = static_cast<std::ptrdiff_t>(param.page * kPageSize);
    const auto& eeprom = rig.device.eeprom().bytes;
    EXPECT_TRUE(std::equal(eeprom.begin(), eeprom.begin() + split, outgoing.bytes.begin()));
    EXPECT_TRUE(std::all_of(eeprom.begin() + split, eeprom.end(),
                            [](uint8_t byte) { return byte == 0x77; }));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFaultTest,
    ::testing::Values(WriteFaultCase{"RejectFirstPage", SimulatedFault::Reject, 0, kRefused},
                      WriteFaultCase{"RejectEighthPage", SimulatedFault::Reject, 7, kRefused},
                      WriteFaultCase{"SilentLastPage", SimulatedFault::Silent, 191, kNoAnswer},
                      WriteFaultCase{"UnplugMidway", SimulatedFault::Unplug, 96, kGone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteConfig, BadSumOnAWriteReplyIsNotExamined) {
    SimulatedRig rig;
    rig.device.armFault(SimulatedFault::BadSum, 3);
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage outgoing;
    EXPECT_TRUE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock));
    EXPECT_EQ(rig.feedback.logLines.back(), "Eeprom write success");
}

TEST(WriteConfig, FailingEncodeNeverOpensTheDeviceButTheClockIsCopied) {
    SimulatedRig rig;
    SettingsStore settings = startupSettings(kStartClock);
    settings.setText("Txdelay", "100");
    ASSERT_TRUE(settings.checked("Uploadpctime"));
    ConfigImage outgoing;

    EXPECT_FALSE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock));

    EXPECT_TRUE(rig.feedback.logLines.empty());
    EXPECT_EQ(rig.feedback.boxes,
              (std::vector<RecordingFeedback::Box>{
                  {"information", "Information", "TX delay - range error (200 - 1000)."}}));
    EXPECT_EQ(rig.device.requestCount(), 0u);
    const std::vector<std::string> clock = {"2024", "7", "9", "8", "5"};
    for (size_t i = 0; i < clock.size(); ++i) {
        EXPECT_EQ(settings.text(kClockFields[i]), clock[i]);
    }
}

TEST(WriteConfig, UntickedUploadpctimeKeepsTheTypedTime) {
    SimulatedRig rig;
    SettingsStore settings = startupSettings(kStartClock);
    settings.setChecked("Uploadpctime", false);
    settings.setText("Rtcyear", "2020");
    ConfigImage outgoing;
    EXPECT_TRUE(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock));
    EXPECT_EQ(settings.text("Rtcyear"), "2020");
}

TEST(WriteConfig, NotANumberEndsTheActionBeforeTheDevice) {
    SimulatedRig rig;
    SettingsStore settings = startupSettings(kStartClock);
    settings.setText("Txdelay", "fast");
    ConfigImage outgoing;
    EXPECT_THROW(WriteConfig(rig.link, outgoing, settings, rig.feedback, kWriteClock),
                 NotAnInteger);
    EXPECT_TRUE(rig.feedback.logLines.empty());
    EXPECT_EQ(rig.device.requestCount(), 0u);
}

TEST(WriteConfig, AbsentDeviceLogsOnlyNotFound) {
    SimulatedBus empty;
    DeviceLink link(empty);
    RecordingFeedback feedback;
    SettingsStore settings = startupSettings(kStartClock);
    ConfigImage outgoing;
    EXPECT_FALSE(WriteConfig(link, outgoing, settings, feedback, kWriteClock));
    EXPECT_EQ(feedback.logLines, std::vector<std::string>{kNotFoundLine});
    EXPECT_TRUE(feedback.progressEvents.empty());
}

TEST(SimulatedDevice, FreshDeviceHoldsTheStartupImage) {
    SimulatedDevice fresh;
    ConfigImage image = fresh.eeprom();
    ConfigImage expectedImage = startupImage(kStartClock);
    SettingsStore decoded;
    SettingsStore expected;
    RecordingFeedback feedback;
    ASSERT_TRUE(image.checksumMatches());
    ASSERT_TRUE(DecodeConfigImage(image, decoded, feedback));
    ASSERT_TRUE(DecodeConfigImage(expectedImage, expected, feedback));
    EXPECT_EQ(differences(decoded, expected), std::vector<std::string>{});
    EXPECT_EQ(fresh.flash(), std::vector<uint8_t>(kFirmwareSize, SimulatedDevice::kErasedFlash));
    EXPECT_EQ(fresh.firmwareVersion(), 110u);
}

}  // namespace
}  // namespace korvex::testing
