#pragma once
// The file dialog seam. Filters come as "Description|*.ext"; a cancelled dialog is nullopt.

#include <filesystem>
#include <optional>
#include <string_view>

namespace korvex {

class FileChooser {
  public:
    virtual ~FileChooser() = default;

    virtual std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) = 0;
    virtual std::optional<std::filesystem::path> saveFile(
        std::string_view filter, const std::filesystem::path& initialFolder,
        std::string_view proposedName) = 0;
};

}  // namespace korvex
