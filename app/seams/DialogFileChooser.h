#pragma once
// The FileChooser of the window: converts the core's "Description|*.ext" filters to Qt's form,
// starts every dialog in the folder the action names, and proposes the file last chosen in the
// same dialog of the same action, with its folder, so that the dialog opens where that file is
// (a save proposes the core's name in the action's folder until the first save). A start folder
// that does not exist (an installed program has no config/, firmware/ or remote/ beside it) is
// replaced by the folder of the same name in the user's folder, made when a dialog first needs it.

#include <QHash>
#include <QString>
#include <filesystem>
#include <utility>

#include "app/seams/FileDialogRunner.h"
#include "settings/FileChooser.h"

namespace korvex::app {

class DialogFileChooser final : public FileChooser {
  public:
    // `userFolder` holds the per-user config/, firmware/ and remote/; empty for none.
    explicit DialogFileChooser(FileDialogRunner& runner, std::filesystem::path userFolder = {})
        : runner_(runner), userFolder_(std::move(userFolder)) {}

    std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) override;
    std::optional<std::filesystem::path> saveFile(std::string_view filter,
                                                  const std::filesystem::path& initialFolder,
                                                  std::string_view proposedName) override;

    // The action whose dialogs follow: two actions that ask for the same kind of file (the
    // firmware of an upload and of a remote update file) each keep their own last file.
    void setAction(const QString& action) { action_ = action; }
    const QString& action() const { return action_; }

  private:
    std::optional<std::filesystem::path> show(FileDialogRequest::Mode mode, std::string_view filter,
                                              const std::filesystem::path& initialFolder,
                                              std::string_view proposedName);

    // The folder a dialog starts in instead of `initialFolder`, made if need be.
    std::filesystem::path startFolder(const std::filesystem::path& initialFolder) const;

    FileDialogRunner& runner_;
    std::filesystem::path userFolder_;
    QString action_;
    // The path last chosen, per action, dialog mode and filter.
    QHash<QString, QString> lastChosen_;
};

// "Desc|*.ext" (pairs separated by '|') becomes "Desc (*.ext)" (entries separated by ";;"); a
// description that already names its pattern in brackets is kept as it stands.
QString qtNameFilter(std::string_view filter);

}  // namespace korvex::app
