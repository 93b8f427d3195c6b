#include "reference/ReferenceFile.h"

// The package's documentation folder below the installation prefix, from the build.
#ifndef KORVEX_DOC_DIR
#define KORVEX_DOC_DIR "share/doc/korvex-mini-configurator"
#endif

namespace korvex {

std::vector<std::filesystem::path> referenceFilePlaces(const std::filesystem::path& programFolder) {
    return {programFolder / kReferenceFileName, (programFolder.parent_path() / "share" / "doc" /
                                                 "korvex-mini-configurator" / kReferenceFileName)
                                                    .lexically_normal()};
}

std::optional<std::filesystem::path> findReferenceFile(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& place : referenceFilePlaces(programFolder)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error)) {
            return place;
        }
    }
    return std::nullopt;
}

}  // namespace korvex
