#pragma once
// Message boxes shown as QMessageBox dialogs over a parent window.

#include <QPointer>
#include <QWidget>

#include "app/seams/MessageBoxes.h"

namespace korvex::app {

class QtMessageBoxes final : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(BoxIcon icon, const QString& caption, const QString& text) override;
    bool ask(BoxIcon icon, const QString& caption, const QString& text, const QString& accept,
             const QString& reject) override;
    int choose(BoxIcon icon, const QString& caption, const QString& text,
               const QStringList& buttons) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace korvex::app
