#pragma once
// The folders beside the executable in which the file dialogs start.

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

}  // namespace korvex
