#pragma once
// A FileChooser that answers each dialog with the next path named on the command line.

#include <deque>
#include <filesystem>
#include <optional>
#include <utility>

#include "settings/FileChooser.h"

namespace korvex::cli {

class ListedFileChooser final : public FileChooser {
  public:
    explicit ListedFileChooser(std::deque<std::filesystem::path> answers)
        : answers_(std::move(answers)) {}

    std::optional<std::filesystem::path> openFile(std::string_view,
                                                  const std::filesystem::path&) override {
        return next();
    }
    std::optional<std::filesystem::path> saveFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view) override {
        return next();
    }

  private:
    std::optional<std::filesystem::path> next() {
        if (answers_.empty()) {
            return std::nullopt;
        }
        auto path = answers_.front();
        answers_.pop_front();
        return path;
    }
    std::deque<std::filesystem::path> answers_;
};

}  // namespace korvex::cli
