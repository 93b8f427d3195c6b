#pragma once
// The folders beside the executable in which the file dialogs start, and the folder in the user's
// documents that holds folders of the same names for a program that has none beside it.

#include <filesystem>

namespace korvex {

inline std::filesystem::path configFolder(const std::filesystem::path& programFolder) {
    return programFolder / "config";
}
inline std::filesystem::path firmwareFolder(const std::filesystem::path& programFolder) {
    return programFolder / "firmware";
}
inline std::filesystem::path remoteFolder(const std::filesystem::path& programFolder) {
    return programFolder / "remote";
}

inline std::filesystem::path userFolder(const std::filesystem::path& documentsFolder) {
    return documentsFolder / "Korvex Mini";
}

}  // namespace korvex
