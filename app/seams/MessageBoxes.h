#pragma once
// The showing of modal message boxes, behind an interface so that tests can record the boxes
// instead of blocking on them.

#include <QString>
#include <QStringList>

namespace korvex::app {

enum class BoxIcon { None, Information, Warning, Error, Question };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box with one OK button and returns when the user has closed it.
    virtual void show(BoxIcon icon, const QString& caption, const QString& text) = 0;
    // Shows a modal box with two buttons, `accept` and `reject` (the default, also taken by
    // Escape and the close box); true when the user chose `accept`.
    virtual bool ask(BoxIcon icon, const QString& caption, const QString& text,
                     const QString& accept, const QString& reject) = 0;
    // Shows a modal box with `buttons` from left to right, the last being the default (also
    // taken by Escape and the close box); the index of the button chosen.
    virtual int choose(BoxIcon icon, const QString& caption, const QString& text,
                       const QStringList& buttons) = 0;
};

}  // namespace korvex::app
