#include "app/seams/QtFileDialogRunner.h"

#include <QFileDialog>

namespace korvex::app {

std::optional<QString> QtFileDialogRunner::run(const FileDialogRequest& request) {
    QFileDialog dialog(parent_.data());
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog also accepts a name that does not exist yet; the action reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension is used as typed, and an existing file is replaced
    // without asking.
    dialog.setDefaultSuffix(QString());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(request.nameFilter);
    dialog.setDirectory(request.folder);
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace korvex::app
