#include "reference/ReferenceFile.h"

// The package's documentation folder below the installation prefix, from the build.
#ifndef KORVEX_DOC_DIR
#define KORVEX_DOC_DIR "share/doc/korvex-mini-configurator"
#endif

namespace korvex {

std::vector<std::filesystem::path> documentPlaces(const std::filesystem::path& programFolder,
                                                  std::string_view fileName) {
    return {programFolder / fileName,
            (programFolder.parent_path() / KORVEX_DOC_DIR / fileName).lexically_normal()};
}

std::optional<std::filesystem::path> findDocument(const std::filesystem::path& programFolder,
                                                  std::string_view fileName) {
    for (const std::filesystem::path& place : documentPlaces(programFolder, fileName)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error)) {
            return place;
        }
    }
    return std::nullopt;
}

}  // namespace korvex
