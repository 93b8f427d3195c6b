#include "cli/ImageSteps.h"

#include <fstream>

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

std::optional<ConfigImage> readImageFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    ConfigImage image;
    in.read(reinterpret_cast<char*>(image.bytes.data()),
            static_cast<std::streamsize>(image.bytes.size()));
    if (static_cast<size_t>(in.gcount()) != image.bytes.size() || in.peek() != EOF) {
        return std::nullopt;
    }
    return image;
}

}  // namespace korvex::cli
