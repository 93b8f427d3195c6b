// Arbitrary bytes as a configuration image read from a device (cut or padded to 6144 bytes, the
// version text forced so that it decodes): when its settings pass the checks of "Write config",
// as after "Read config", the station check advises on them without a fault, and every piece of
// advice names its settings and says something.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "advice/Advice.h"
#include "image/Codec.h"
#include "settings/IntegerRule.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "advice_fuzz: invariant broken at line %d\n", line);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FixedClock clock(UtcDateTime{2024, 1, 1, 0, 0, 0});
    // A decode sets every setting it carries, so one store serves every input.
    static SettingsStore settings = startupSettings(clock);
    static ConfigImage encoded;
    ConfigImage image;
    std::copy_n(data, std::min(size, kImageSize), image.bytes.begin());
    std::memcpy(image.bytes.data() + 6, "v1.10", 5);
    SilentFeedback quiet;
    check(DecodeConfigImage(image, settings, quiet));
    try {
        if (!EncodeConfigImage(encoded, settings, quiet, clock)) {
            return 0;
        }
    } catch (const NotAnInteger&) {
        return 0;
    }
    for (const Advice& advice : adviseStation(settings)) {
        check(advice.rule != nullptr && !advice.settings.empty() && !advice.text.empty());
    }
    return 0;
}
