#pragma once
// A FileChooser that answers every open dialog with one path and every save dialog with another
// (or Cancel), however often it is asked: benchmarks repeat the same action many times.

#include <filesystem>
#include <optional>
#include <utility>

#include "settings/FileChooser.h"

namespace korvex {

class FixedFileChooser final : public FileChooser {
  public:
    explicit FixedFileChooser(std::filesystem::path opened,
                              std::optional<std::filesystem::path> saved = std::nullopt)
        : opened_(std::move(opened)), saved_(std::move(saved)) {}

    std::optional<std::filesystem::path> openFile(std::string_view,
                                                  const std::filesystem::path&) override {
        return opened_;
    }
    std::optional<std::filesystem::path> saveFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view) override {
        return saved_;
    }

  private:
    std::filesystem::path opened_;
    std::optional<std::filesystem::path> saved_;
};

}  // namespace korvex
