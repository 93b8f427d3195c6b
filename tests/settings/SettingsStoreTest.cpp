#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvex {
namespace {

TEST(SettingsStore, StartsBlank) {
    const SettingsStore store;
    EXPECT_EQ(store.text("Callsign"), "");
    EXPECT_EQ(store.index("Baudrate"), -1);
    EXPECT_FALSE(store.checked("Ntp_enable"));
    EXPECT_TRUE(store.clockFieldsEnabled());
}

TEST(SettingsStore, KeepsWhatIsSet) {
    SettingsStore store;
    store.setText("Packet2rf_filter_callsign12", "SP*");
    store.setIndex("Weather_stationtype", 10);
    store.setChecked("Pathn8_active", true);
    EXPECT_EQ(store.text("Packet2rf_filter_callsign12"), "SP*");
    EXPECT_EQ(store.index("Weather_stationtype"), 10);
    EXPECT_TRUE(store.checked("Pathn8_active"));
}

TEST(SettingsStore, UnknownNamesAndWrongKindsThrow) {
    SettingsStore store;
    EXPECT_THROW(store.text("callsign"), std::logic_error);
    EXPECT_THROW(store.setText("Beacon9_msg", "x"), std::logic_error);
    EXPECT_THROW(store.setIndex("Packet2rf_filter_type13", 0), std::logic_error);
    EXPECT_THROW(store.checked("Uploadpctime "), std::logic_error);
    EXPECT_THROW(store.text("Baudrate"), std::logic_error);
    EXPECT_THROW(store.setText("Pathn1_active", "1"), std::logic_error);
    EXPECT_THROW(store.index("Callsign"), std::logic_error);
    EXPECT_THROW(store.setChecked("Digion", true), std::logic_error);
    EXPECT_EQ(store.text("Callsign"), "");
}

struct IndexCase {
    int set;
    int kept;
};

class SettingsStoreIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(SettingsStoreIndex, OutsideTheListSelectsNothing) {
    SettingsStore store;
    store.setIndex("Packet2rf_filter_type01", 3);
    store.setIndex("Packet2rf_filter_type01", GetParam().set);
    EXPECT_EQ(store.index("Packet2rf_filter_type01"), GetParam().kept);
}

// The type list has six entries.
INSTANTIATE_TEST_SUITE_P(Bounds, SettingsStoreIndex,
                         testing::Values(IndexCase{0, 0}, IndexCase{5, 5}, IndexCase{6, -1},
                                         IndexCase{-1, -1}, IndexCase{-2, -1}, IndexCase{255, -1}));

TEST(SettingsStore, ClockFieldsFollowUploadpctimeOnly) {
    SettingsStore store;
    store.setChecked("Uploadpctime", true);
    EXPECT_FALSE(store.clockFieldsEnabled());
    store.setChecked("Ntp_enable", true);
    EXPECT_FALSE(store.clockFieldsEnabled());
    store.setChecked("Ntp_enable", false);
    EXPECT_FALSE(store.clockFieldsEnabled());
    store.setChecked("Uploadpctime", false);
    EXPECT_TRUE(store.clockFieldsEnabled());
    store.setChecked("Ntp_enable", true);
    EXPECT_TRUE(store.clockFieldsEnabled());
    store.setChecked("Uploadpctime", true);
    EXPECT_FALSE(store.clockFieldsEnabled());
}

TEST(SettingsStore, ComparesByValues) {
    SettingsStore a;
    SettingsStore b;
    EXPECT_TRUE(a == b);
    a.setText("Rtcmin", "5");
    EXPECT_FALSE(a == b);
    b.setText("Rtcmin", "5");
    EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace korvex
