// Arbitrary bytes as a configuration image read from a device: padded with zeros or cut to 6144
// bytes; for every other input the version text is forced to "v1.10" so that the field decoders
// run. Decoding must never read outside a field nor fail.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <array>
#include <cstdlib>

#include "image/Codec.h"
#include "image/Layout.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"

namespace {

// The bytes that a decode may look at: the version text and every field of the layout that is
// decoded (not the zero byte after the station's SSID, not the clock fields).
std::array<bool, korvex::kImageSize> readableBytes() {
    std::array<bool, korvex::kImageSize> readable{};
    std::fill_n(readable.begin() + 6, 5, true);
    for (const korvex::FieldRow& row : korvex::layout()) {
        if (row.kind != korvex::RowKind::ZeroByte && row.kind != korvex::RowKind::ClockNumber) {
            std::fill_n(readable.begin() + row.offset, row.width, true);
        }
    }
    return readable;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    korvex::ConfigImage image;
    std::copy_n(data, std::min(size, korvex::kImageSize), image.bytes.begin());
    // The first input byte (when there is one) decides whether the version text is forced.
    if (size > 0 && (data[0] & 1) == 0) {
        std::memcpy(image.bytes.data() + 6, "v1.10", 5);
    }
    // The same image with every byte outside the fields changed must decode to the same settings.
    static const auto readable = readableBytes();
    korvex::ConfigImage scrambled = image;
    for (size_t offset = 0; offset < korvex::kImageSize; ++offset) {
        if (!readable[offset]) {
            scrambled.bytes[offset] ^= 0xA5;
        }
    }
    korvex::SilentFeedback feedback;
    korvex::SettingsStore settings;
    const bool accepted = korvex::DecodeConfigImage(image, settings, feedback);
    korvex::SettingsStore settingsOfScrambled;
    const bool scrambledAccepted =
        korvex::DecodeConfigImage(scrambled, settingsOfScrambled, feedback);
    if (accepted != scrambledAccepted || !(settings == settingsOfScrambled)) {
        std::abort();
    }
    return 0;
}
