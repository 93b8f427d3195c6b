#pragma once
// Shared steps of the image tests: settings at their start-up state under a pinned clock, and
// short ways to look at image bytes.

#include <gtest/gtest.h>

#include <string>

#include "image/Codec.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/SettingsStore.h"
#include "settings/StartupState.h"
#include "support/RecordingFeedback.h"

namespace korvex::testing {

inline constexpr UtcDateTime kPinnedTime{2024, 3, 9, 14, 7, 30};

// The bytes at offset..offset+count-1 as a string, so that expectations read as text.
inline std::string bytesAt(const ConfigImage& image, size_t offset, size_t count) {
    return std::string(image.bytes.begin() + offset, image.bytes.begin() + offset + count);
}

class ImageTest : public ::testing::Test {
  protected:
    ImageTest() : clock(kPinnedTime) { applyStartupState(settings, clock); }

    bool encode() {
        feedback.boxes.clear();
        return EncodeConfigImage(image, settings, feedback, clock);
    }
    // Encodes and expects success without any box.
    void encodeOk() {
        ASSERT_TRUE(encode()) << feedback.lastBoxText();
        ASSERT_TRUE(feedback.boxes.empty());
    }
    // Encodes and returns the one information box's text ("" when the encode passed).
    std::string encodeFailure() {
        if (encode()) {
            return "";
        }
        EXPECT_EQ(feedback.boxes.size(), 1u);
        EXPECT_EQ(feedback.boxes.back().kind, "information");
        return feedback.lastBoxText();
    }

    FixedClock clock;
    SettingsStore settings;
    RecordingFeedback feedback;
    ConfigImage image;
};

}  // namespace korvex::testing
