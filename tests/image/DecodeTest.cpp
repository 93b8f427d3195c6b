#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ImageTestSupport.h"
#include "image/Layout.h"

namespace korvex::testing {
namespace {

class Decode : public ImageTest {
  protected:
    // A good image of the start-up settings, decoded into `target`.
    void SetUp() override { encodeOk(); }
    void putVersion(const std::string& text) {
        std::memcpy(image.bytes.data() + 6, text.data(), text.size());
    }
    bool decode() {
        feedback.boxes.clear();
        return DecodeConfigImage(image, target, feedback);
    }

    SettingsStore target = startupStore();

  private:
    SettingsStore startupStore() {
        SettingsStore store;
        applyStartupState(store, FixedClock({2020, 1, 2, 3, 4, 5}));
        return store;
    }
};

TEST_F(Decode, RefusesAnotherVersionAndChangesNothing) {
    image.bytes[14] = 'X';
    putVersion(std::string("v1.09\0", 6));
    const SettingsStore before = target;
    EXPECT_FALSE(decode());
    EXPECT_TRUE(target == before);
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].kind, "information");
    EXPECT_EQ(feedback.boxes[0].text,
              "Uncompatible configuration version:\nDevice: v1.09\nConfigurator: v1.10");
    EXPECT_EQ(image.bytes[13], 0);
}

TEST_F(Decode, CutsAnUnterminatedVersionToSevenCharacters) {
    putVersion("v2.00abc");
    image.bytes[14] = 'Z';
    EXPECT_FALSE(decode());
    EXPECT_EQ(feedback.lastBoxText(),
              "Uncompatible configuration version:\nDevice: v2.00ab\nConfigurator: v1.10");
    EXPECT_EQ(bytesAt(image, 6, 8), std::string("v2.00ab\0", 8));
}

TEST_F(Decode, RefusesAnAllZeroImage) {
    image.clear();
    EXPECT_FALSE(decode());
    EXPECT_EQ(feedback.lastBoxText(),
              "Uncompatible configuration version:\nDevice: \nConfigurator: v1.10");
}

TEST_F(Decode, AcceptsAVersionThatStartsWithOurs) {
    putVersion("v1.105");
    EXPECT_TRUE(decode());
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(Decode, StationCallKeepsItsSpacesAndSsidReadsUnsigned) {
    std::memcpy(image.bytes.data() + 14, "SP5AB :", 7);
    EXPECT_TRUE(decode());
    EXPECT_EQ(target.text("Callsign"), "SP5AB ");
    EXPECT_EQ(target.text("Ssid"), "10");
    image.bytes[20] = 0x2F;
    decode();
    EXPECT_EQ(target.text("Ssid"), "255");
}

TEST_F(Decode, ShowsFieldsAsTheirEncodingsSay) {
    struct Case {
        size_t offset;
        std::string bytes;
        std::string setting;
        std::string shown;
    };
    const Case cases[] = {
        {558, "APQK04:", "Beacon1_dest_string", "APQK04"},
        {558, "APQK04:", "Beacon1_dest_ssid", "10"},
        {565, "      0", "Beacon1_path_string", ""},
        {571, "/", "Beacon1_path_ssid", "-1"},
        {1311, "SP*   *", "Callfilter_callsign1", "SP*"},
        {1317, "*", "Callfilter_ssid1", "*"},
        {1317, "?", "Callfilter_ssid1", "15"},
        {412, "*", "Packet2rf_filter_ssid01", "*"},
        {381, "*", "Aprsis_2rf_dest_ssid", "-6"},
        {208, std::string("\0\0", 2), "Aprsis2_port", "0"},
        {174, "\xFF\xFF", "Aprsis1_port", "65535"},
        {1408, "\xFF\xFF", "www_port", "65535"},
        {30, "\xFF", "Floodtimeout", "255"},
        {1230, std::string("wide\0", 5), "Pathn1_name", "wide"},
        {108, std::string("NOCALL\0", 7), "Aprsis_user", "NOCALL"},
        {1538, std::string("0.079\0", 6), "Teleanalog1_coefb", "0.079"},
        {576, std::string("<lat>\0", 6), "Beacon1_msg", "<lat>"},
        {576, std::string("caf\xe9\0", 5), "Beacon1_msg", "caf\xe9"},
    };
    for (const auto& c : cases) {
        SetUp();
        std::memcpy(image.bytes.data() + c.offset, c.bytes.data(), c.bytes.size());
        ASSERT_TRUE(decode());
        EXPECT_EQ(target.text(c.setting), c.shown) << c.setting;
    }
}

TEST_F(Decode, ChoicesTakeTheByteAsItStands) {
    image.bytes[22] = 1;
    image.bytes[28] = 0xFF;
    image.bytes[54] = 11;  // one beyond the station list
    image.bytes[2001] = 1;
    EXPECT_TRUE(decode());
    EXPECT_EQ(target.index("Baudrate"), 1);
    EXPECT_EQ(target.index("Quiettime_randomize"), -1);
    EXPECT_EQ(target.index("Weather_stationtype"), -1);
    EXPECT_EQ(target.index("WU_sendmethod"), 1);
}

TEST_F(Decode, AnyNonzeroFlagTicksTheBox) {
    image.bytes[502] = 2;
    image.bytes[1239] = 0;
    target.setChecked("Ntp_enable", false);
    EXPECT_TRUE(decode());
    EXPECT_TRUE(target.checked("Ntp_enable"));
    EXPECT_FALSE(target.checked("Pathn1_active"));
    image.bytes[502] = 0;
    decode();
    EXPECT_FALSE(target.checked("Ntp_enable"));
}

TEST_F(Decode, LeavesTheClockFieldsAsTheyWere) {
    const char* const clockFields[] = {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"};
    for (const char* field : clockFields) {
        target.setText(field, "77");
    }
    EXPECT_TRUE(decode());
    for (const char* field : clockFields) {
        EXPECT_EQ(target.text(field), "77") << field;
    }
}

TEST_F(Decode, TextsWithoutTerminatorStopAtTheirFieldsEnd) {
    std::memset(image.bytes.data() + kSettingsFirst, 'A', kSettingsEnd - kSettingsFirst);
    EXPECT_TRUE(decode());
    EXPECT_EQ(target.text("Callsign"), "AAAAAA");
    EXPECT_EQ(target.text("Latitude"), std::string(9, 'A'));
    EXPECT_EQ(target.text("Beacon1_msg"), std::string(66, 'A'));
    EXPECT_EQ(target.text("Beacon8_msg"), std::string(66, 'A'));
    EXPECT_EQ(target.text("Aprsis_filter"), std::string(129, 'A'));
    EXPECT_EQ(target.text("Pathn1_name"), std::string(6, 'A'));
    EXPECT_EQ(target.text("Teleanalog1_name"), std::string(8, 'A'));
    EXPECT_EQ(target.text("Teledigital8_units"), std::string(7, 'A'));
    EXPECT_EQ(target.text("WU_rapidfireserver"), std::string(40, 'A'));
    EXPECT_EQ(target.text("Callfilter_ssid1"), "17");
}

TEST_F(Decode, StartupSettingsComeBackAsTheyWent) {
    EXPECT_TRUE(decode());
    EXPECT_EQ(target.text("Callsign"), "NOCALL");
    EXPECT_EQ(target.text("Aprsis_user"), "NOCALL");
    EXPECT_EQ(target.text("Callfilter_ssid4"), "*");
    EXPECT_EQ(target.text("Teleanalog1_coefb"), "0.079");
    EXPECT_EQ(target.index("Weather_stationtype"), 5);
}

}  // namespace
}  // namespace korvex::testing
