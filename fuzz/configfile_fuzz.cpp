// Arbitrary bytes as a configuration file, loaded the way "Read from file" loads it onto the
// start-up settings, then encoded as for "Write config". Either a check refuses with a message,
// or the image has a sound frame (checksum, version, stamp, end marker, zero tail), no byte
// outside a field is set and every text field holds the whole loaded text up to its width. (The
// station check has a target of its own, advice_fuzz.)

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "files/ConfigFile.h"
#include "files/ProfileFile.h"
#include "image/Codec.h"
#include "image/Layout.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

class BoxCounter final : public SilentFeedback {
  public:
    void information(std::string_view text) override {
        ++boxes;
        lastBox = std::string(text);
    }
    int boxes = 0;
    std::string lastBox;
};

void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "configfile_fuzz: invariant broken at line %d\n", line);
        std::abort();
    }
}

// The bytes of the settings area that some field covers.
std::array<bool, kImageSize> fieldBytes() {
    std::array<bool, kImageSize> covered{};
    for (const FieldRow& row : layout()) {
        std::fill_n(covered.begin() + row.offset, row.width, true);
    }
    return covered;
}

bool isText(const FieldRow& row) {
    return row.kind == RowKind::Text || row.kind == RowKind::PrintableText;
}

// Test scaffolding, not code under test: kept out of the coverage feedback, which would
// otherwise trace each step of its loops over the image.
#if defined(__clang__)
__attribute__((no_sanitize("coverage")))
#endif
void checkImage(const ConfigImage& image, const Settings& settings) {
    static const auto covered = fieldBytes();
    check(image.checksumMatches());
    check(std::memcmp(image.bytes.data() + 6, "v1.10\0\0\0", 8) == 0);
    check((image.bytes[4] | image.bytes[5] << 8) < 10000);
    check(std::memcmp(image.bytes.data() + kSettingsEnd, "END\0", 4) == 0);
    check(std::all_of(image.bytes.begin() + kChecksumEnd, image.bytes.end(),
                      [](uint8_t byte) { return byte == 0; }));
    for (size_t offset = kSettingsFirst; offset < kSettingsEnd; ++offset) {
        check(covered[offset] || image.bytes[offset] == 0);
    }
    for (const FieldRow& row : layout()) {
        const uint8_t* field = image.bytes.data() + row.offset;
        if (row.kind == RowKind::ZeroByte) {
            check(field[0] == 0);
        } else if (isText(row)) {
            const size_t length = std::find(field, field + row.width, 0) - field;
            check(length < row.width);
            check(std::all_of(field + length, field + row.width, [](uint8_t b) { return b == 0; }));
            // A zero inside the loaded text would cut the field short.
            check(length == std::min<size_t>(settings.text(row.setting).size(), row.width - 1u));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FixedClock clock(UtcDateTime{2024, 1, 1, 0, 0, 0});
    // Loading sets every setting the file carries and the clock fields stay at start-up, so
    // one store serves every input.
    static SettingsStore settings = startupSettings(clock);
    static ConfigImage image;

    const ProfileFile profile(std::string(reinterpret_cast<const char*>(data), size));
    BoxCounter feedback;
    if (!loadConfigProfile(settings, profile, feedback)) {
        check(feedback.boxes == 1);
        return 0;
    }
    feedback.boxes = 0;
    try {
        if (!EncodeConfigImage(image, settings, feedback, clock)) {
            check(feedback.boxes == 1 && !feedback.lastBox.empty());
            return 0;
        }
    } catch (const NotAnInteger& error) {
        check(std::strlen(error.what()) > 0);
        return 0;
    }
    check(feedback.boxes == 0);
    checkImage(image, settings);
    return 0;
}
