#pragma once
// The showing of modal message boxes, behind an interface so that tests can record the boxes
// instead of blocking on them.

#include <QString>

namespace korvex::app {

enum class BoxIcon { None, Information, Error };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box with one OK button and returns when the user has closed it.
    virtual void show(BoxIcon icon, const QString& caption, const QString& text) = 0;
};

}  // namespace korvex::app
