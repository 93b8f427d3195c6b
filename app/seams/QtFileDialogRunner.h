#pragma once
// File dialogs shown as modal QFileDialog windows.

#include <QPointer>
#include <QWidget>

#include "app/seams/FileDialogRunner.h"

namespace korvex::app {

class QtFileDialogRunner final : public FileDialogRunner {
  public:
    explicit QtFileDialogRunner(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<QString> run(const FileDialogRequest& request) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace korvex::app
