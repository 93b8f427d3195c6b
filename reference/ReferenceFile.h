#pragma once
// Where the program finds the settings reference that the build generated: beside the program
// (a build, the Windows zip and setup), else in the documentation folder of the installed package.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace korvex {

inline constexpr std::string_view kReferenceFileName = "korvex-settings.html";

// The places looked at, in order.
std::vector<std::filesystem::path> referenceFilePlaces(const std::filesystem::path& programFolder);
// The first place that holds the reference; nullopt when none does.
std::optional<std::filesystem::path> findReferenceFile(const std::filesystem::path& programFolder);

}  // namespace korvex
