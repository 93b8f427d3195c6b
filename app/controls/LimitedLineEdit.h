#pragma once
// An edit field whose limit applies to what the user types, pastes or drops, as a maximum length
// does on the device's original window: a longer text put in by the program (a loaded file, a
// read configuration) is kept whole, and the user may still shorten it.

#include <QLineEdit>

namespace korvex::app {

class LimitedLineEdit final : public QLineEdit {
    Q_OBJECT
  public:
    // limit 0 means no limit.
    explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);

    int typingLimit() const { return limit_; }
    // Sets the text as the program does, whatever its length.
    void setStoredText(const QString& text);

  private:
    friend class TypingLimitValidator;
    int limit_;
    qsizetype acceptedLength_ = 0;  // length of the text before the edit being validated
    bool storing_ = false;
};

}  // namespace korvex::app
