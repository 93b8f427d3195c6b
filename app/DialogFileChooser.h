#pragma once
// The FileChooser of the window: converts the core's "Description|*.ext" filters to Qt's form,
// starts every dialog in the folder the action names, and proposes the file last chosen in the
// same dialog of the same action, with its folder, so that the dialog opens where that file is
// (a save proposes the core's name in the action's folder until the first save).

#include <QHash>
#include <QString>

#include "app/FileDialogRunner.h"
#include "settings/FileChooser.h"

namespace korvex::app {

class DialogFileChooser final : public FileChooser {
  public:
    explicit DialogFileChooser(FileDialogRunner& runner) : runner_(runner) {}

    std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) override;
    std::optional<std::filesystem::path> saveFile(std::string_view filter,
                                                  const std::filesystem::path& initialFolder,
                                                  std::string_view proposedName) override;

    // The action whose dialogs follow: two actions that ask for the same kind of file (the
    // firmware of an upload and of a remote update file) each keep their own last file.
    void setAction(const QString& action) { action_ = action; }

  private:
    std::optional<std::filesystem::path> show(FileDialogRequest::Mode mode, std::string_view filter,
                                              const std::filesystem::path& initialFolder,
                                              std::string_view proposedName);

    FileDialogRunner& runner_;
    QString action_;
    // The path last chosen, per action, dialog mode and filter.
    QHash<QString, QString> lastChosen_;
};

// "Desc|*.ext" (pairs separated by '|') becomes "Desc (*.ext)" (entries separated by ";;"); a
// description that already names its pattern in brackets is kept as it stands.
QString qtNameFilter(std::string_view filter);

}  // namespace korvex::app
