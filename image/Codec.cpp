#include "image/Codec.h"

#include <algorithm>
#include <string>

#include "image/FieldEncodings.h"
#include "image/Layout.h"
#include "image/RowCodec.h"
#include "settings/SeededRandom.h"
#include "settings/Version.h"

namespace korvex {

namespace {

// The frame around the settings.
constexpr size_t kChecksumOffset = 0;
constexpr size_t kStampOffset = 4;
constexpr size_t kVersionOffset = 6;
constexpr size_t kVersionWidth = 8;
constexpr size_t kVersionCutOffset = 13;  // zeroed on a refused image: at most 7 characters
constexpr size_t kEndMarkerOffset = 2004;
constexpr std::string_view kEndMarker = "END";
constexpr int kStampModulus = 10000;

FieldBytes frameField(ConfigImage& image, size_t offset, size_t width) {
    return FieldBytes(image.bytes).subspan(offset, width);
}

void writeChecksum(ConfigImage& image) {
    const uint32_t sum = image.computeChecksum();
    for (size_t i = 0; i < 4; ++i) {
        image.bytes[kChecksumOffset + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
}

}  // namespace

bool EncodeConfigImage(ConfigImage& outgoing, const Settings& settings, Feedback& feedback,
                       const Clock& clock) {
    outgoing.clear();
    ZText::encode(frameField(outgoing, kVersionOffset, kVersionWidth), kVersionText);
    for (const FieldRow& row : layout()) {
        if (const auto failure = encodeRow(row, outgoing, settings)) {
            feedback.information(failure->message);
            feedback.settingRefused(failure->setting);
            return false;
        }
    }
    std::copy(kEndMarker.begin(), kEndMarker.end(), outgoing.bytes.begin() + kEndMarkerOffset);
    const int stamp = SeededRandom(clock.secondsNow()).next() % kStampModulus;
    Word16::encode(frameField(outgoing, kStampOffset, Word16::kWidth), stamp);
    writeChecksum(outgoing);
    return true;
}

bool DecodeConfigImage(ConfigImage& incoming, Settings& settings, Feedback& feedback) {
    const auto version = incoming.bytes.begin() + kVersionOffset;
    if (!std::equal(kVersionText.begin(), kVersionText.end(), version)) {
        incoming.bytes[kVersionCutOffset] = 0;
        const std::string device =
            ZText::decode(ConstFieldBytes(incoming.bytes).subspan(kVersionOffset, kVersionWidth));
        feedback.information("Uncompatible configuration version:\nDevice: " + device +
                             "\nConfigurator: " + std::string(kVersionText));
        return false;
    }
    for (const FieldRow& row : layout()) {
        decodeRow(row, incoming, settings);
    }
    return true;
}

}  // namespace korvex
