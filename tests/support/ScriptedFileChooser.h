#pragma once
// A FileChooser that answers from a script and records every dialog it was asked to show.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "settings/FileChooser.h"

namespace korvex::testing {

class ScriptedFileChooser : public FileChooser {
  public:
    struct Request {
        std::string kind;  // "open" or "save"
        std::string filter;
        std::filesystem::path initialFolder;
        std::string proposedName;
    };

    // Queues the answer of the next dialog; nullopt stands for Cancel.
    void answer(std::optional<std::filesystem::path> path) { answers.push_back(std::move(path)); }

    std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) override {
        requests.push_back({"open", std::string(filter), initialFolder, ""});
        return next();
    }
    std::optional<std::filesystem::path> saveFile(std::string_view filter,
                                                  const std::filesystem::path& initialFolder,
                                                  std::string_view proposedName) override {
        requests.push_back({"save", std::string(filter), initialFolder, std::string(proposedName)});
        return next();
    }

    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<Request> requests;

  private:
    std::optional<std::filesystem::path> next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto path = answers.front();
        answers.pop_front();
        return path;
    }
};

}  // namespace korvex::testing
