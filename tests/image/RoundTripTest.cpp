// Encode, decode into fresh settings and encode again: the image must not change, for many
// randomly chosen settings that pass every check.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ImageTestSupport.h"
#include "image/Layout.h"
#include "settings/Catalogue.h"

namespace korvex::testing {
namespace {

class RandomSettings {
  public:
    explicit RandomSettings(uint32_t seed) : random_(seed) {}

    void fill(Settings& settings) {
        for (const FieldRow& row : layout()) {
            fillRow(row, settings);
        }
    }

  private:
    int between(int low, int high) { return std::uniform_int_distribution<>(low, high)(random_); }
    bool coin() { return between(0, 1) == 1; }

    std::string text(size_t maxLength, int lowest, int highest) {
        std::string result(between(0, static_cast<int>(maxLength)), ' ');
        for (char& c : result) {
            c = static_cast<char>(between(lowest, highest));
        }
        return result;
    }
    // A call without spaces: decoding removes trailing spaces, and an all-space call would come
    // back empty and read its SSID differently.
    std::string call(bool mayBeEmpty) {
        static const std::string alphabet = "ABCXYZabcxyz0189*-/\xe9";
        std::string result(between(mayBeEmpty ? 0 : 1, 6), ' ');
        for (char& c : result) {
            c = alphabet[between(0, static_cast<int>(alphabet.size()) - 1)];
        }
        return result;
    }
    // A number in one of the spellings the integer rule accepts.
    std::string number(int value) {
        switch (between(0, 3)) {
            case 0:
                return " " + std::to_string(value);
            case 1:
                return value >= 0 ? "$" + hex(value) : std::to_string(value);
            default:
                return std::to_string(value);
        }
    }
    static std::string hex(int value) {
        static const char digits[] = "0123456789ABCDEF";
        std::string result;
        do {
            result.insert(result.begin(), digits[value % 16]);
            value /= 16;
        } while (value != 0);
        return result;
    }
    std::string ssid() { return number(between(0, 15)); }
    int inRange(const NumberRange& range) {
        return range.zeroAllowed && coin() ? 0 : between(range.minimum, range.maximum);
    }
    std::string position(int degreeDigits, const char* hemispheres) {
        std::string result;
        for (int i = 0; i < degreeDigits + 2; ++i) {
            result += static_cast<char>('0' + between(0, 9));
            if (i == degreeDigits - 1) {
                result += '.';
            }
        }
        return result + hemispheres[between(0, 1)];
    }

    void fillRow(const FieldRow& row, Settings& settings) {
        const size_t capacity = row.width - 1u;
        switch (row.kind) {
            case RowKind::StationCall:
                settings.setText(row.setting, call(false));
                settings.setText(row.ssidSetting, ssid());
                break;
            case RowKind::RequiredCall:
                settings.setText(row.setting, call(false));
                settings.setText(row.ssidSetting, ssid());
                break;
            case RowKind::OptionalCall: {
                const std::string path = call(true);
                settings.setText(row.setting, path);
                settings.setText(row.ssidSetting, path.empty() ? text(2, 1, 255) : ssid());
                break;
            }
            case RowKind::WildcardCall:
                settings.setText(row.setting, call(true));
                settings.setText(row.ssidSetting, coin() ? "*" : ssid());
                break;
            case RowKind::Choice: {
                const int entries = static_cast<int>(settingDef(row.setting).choices.size());
                settings.setIndex(row.setting, between(-1, entries - 1));
                break;
            }
            case RowKind::Flag:
                settings.setChecked(row.setting, coin());
                break;
            case RowKind::NumberStoredThenChecked:
            case RowKind::NumberCheckedThenStored:
                settings.setText(row.setting, number(inRange(row.range)));
                break;
            case RowKind::Port:
                settings.setText(row.setting, coin() ? "" : number(inRange(row.range)));
                break;
            case RowKind::UncheckedNumber:
                settings.setText(row.setting, number(between(-70000, 70000)));
                break;
            case RowKind::Text:
                settings.setText(row.setting, text(capacity, 1, 255));
                break;
            case RowKind::PrintableText:
                settings.setText(row.setting, text(capacity, 0x20, 0x7E));
                break;
            case RowKind::Latitude:
                settings.setText(row.setting, position(4, "NS"));
                break;
            case RowKind::Longitude:
                settings.setText(row.setting, position(5, "EW"));
                break;
            case RowKind::ClockNumber:  // never decoded; both sides keep the start-up time
            case RowKind::ZeroByte:
                break;
        }
    }

    std::mt19937 random_;
};

using RoundTrip = ImageTest;

TEST_F(RoundTrip, RandomValidSettingsEncodeDecodeEncodeToTheSameImage) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        RandomSettings(seed).fill(settings);
        ASSERT_TRUE(encode()) << "seed " << seed << ": " << feedback.lastBoxText();
        const ConfigImage first = image;

        SettingsStore decoded;
        applyStartupState(decoded, clock);
        ASSERT_TRUE(DecodeConfigImage(image, decoded, feedback)) << "seed " << seed;
        ASSERT_TRUE(EncodeConfigImage(image, decoded, feedback, clock)) << "seed " << seed;
        ASSERT_EQ(image, first) << "seed " << seed;
    }
}

}  // namespace
}  // namespace korvex::testing
