#include "image/StartupImage.h"

#include <stdexcept>

#include "image/Codec.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace korvex {

ConfigImage startupImage(const Clock& clock) {
    const SettingsStore settings = startupSettings(clock);
    SilentFeedback feedback;
    ConfigImage image;
    if (!EncodeConfigImage(image, settings, feedback, clock)) {
        throw std::logic_error("the start-up settings do not encode");
    }
    return image;
}

}  // namespace korvex
