#include "cli/ImageSteps.h"

#include "files/AtomicFile.h"
#include "image/Codec.h"
#include "settings/StartupState.h"

namespace korvex::cli {

bool encodeForWrite(ConfigImage& image, Settings& settings, Feedback& feedback,
                    const Clock& clock) {
    if (settings.checked("Uploadpctime")) {
        CopyPcTime(settings, clock);
    }
    return EncodeConfigImage(image, settings, feedback, clock);
}

bool writeImageFile(const ConfigImage& image, const std::filesystem::path& path) {
    return writeFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(image.bytes.data()), kImageSize));
}

}  // namespace korvex::cli
