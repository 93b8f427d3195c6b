#pragma once
// Showing one file dialog, behind an interface so that tests can answer it from a script.

#include <QString>
#include <optional>

namespace korvex::app {

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString nameFilter;  // Qt form: "Description (*.ext)"
    QString folder;      // the folder the dialog starts in
    // File preset in the dialog, empty for none; a path with a folder opens the dialog there.
    QString proposedName;
    QString title;  // what the dialog does, e.g. "Save configuration"
    bool operator==(const FileDialogRequest&) const = default;
};

class FileDialogRunner {
  public:
    virtual ~FileDialogRunner() = default;
    // The chosen path, or nullopt when the dialog was cancelled.
    virtual std::optional<QString> run(const FileDialogRequest& request) = 0;
};

}  // namespace korvex::app
