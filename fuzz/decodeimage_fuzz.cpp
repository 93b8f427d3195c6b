// Arbitrary bytes as a configuration image read from a device: padded with zeros or cut to 6144
// bytes; for every other input the version text is forced to "v1.10" so that the field decoders
// run. Decoding must never read outside a field nor fail.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include <array>
#include <cstdlib>

#include "fuzz/WatchedSettings.h"
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

// 0xA5 for every byte outside the readable ones, 0 for the others.
std::array<uint8_t, korvex::kImageSize> scrambleMask() {
    const auto readable = readableBytes();
    std::array<uint8_t, korvex::kImageSize> mask{};
    for (size_t offset = 0; offset < korvex::kImageSize; ++offset) {
        mask[offset] = readable[offset] ? 0 : 0xA5;
    }
    return mask;
}

// Test scaffolding, not code under test: kept out of the coverage feedback, which would
// otherwise trace each of its 6144 steps.
#if defined(__clang__)
__attribute__((no_sanitize("coverage")))
#endif
void scramble(
    korvex::ConfigImage& image, const std::array<uint8_t, korvex::kImageSize>& mask) {
    for (size_t offset = 0; offset < korvex::kImageSize; ++offset) {
        image.bytes[offset] ^= mask[offset];
    }
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
    static const auto mask = scrambleMask();
    korvex::ConfigImage scrambled = image;
    scramble(scrambled, mask);
    korvex::SilentFeedback feedback;
    // Every accepted decode writes the same names as the same kinds, so only the first one goes
    // into a store as well, which refuses a name or kind outside the catalogue. Both decodes
    // must make the same writes.
    static korvex::SettingsStore settings;
    static bool storeChecked = false;
    korvex::fuzzing::WatchedSettings decoded(storeChecked ? nullptr : &settings);
    korvex::fuzzing::WatchedSettings decodedScrambled(nullptr);
    const bool accepted = korvex::DecodeConfigImage(image, decoded, feedback);
    const bool scrambledAccepted = korvex::DecodeConfigImage(scrambled, decodedScrambled, feedback);
    storeChecked = storeChecked || accepted;
    if (accepted != scrambledAccepted || decoded.fingerprint != decodedScrambled.fingerprint) {
        std::abort();
    }
    return 0;
}
