#pragma once
// Where the program finds the documents that the build generated (the settings reference, the
// user guide): beside the program (a build, the Windows zip and setup), else in the documentation
// folder of the installed package.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace korvex {

inline constexpr std::string_view kReferenceFileName = "korvex-settings.html";
inline constexpr std::string_view kGuideFileName = "korvex-guide.html";

// The places looked at for a document, in order.
std::vector<std::filesystem::path> documentPlaces(const std::filesystem::path& programFolder,
                                                  std::string_view fileName);
// The first place that holds the document; nullopt when none does.
std::optional<std::filesystem::path> findDocument(const std::filesystem::path& programFolder,
                                                  std::string_view fileName);

}  // namespace korvex
