#include "app/LimitedLineEdit.h"

#include <QValidator>

namespace korvex::app {

// Refuses an edit that makes the text longer than the limit, unless it comes from the program or
// leaves an over-long text no longer than it was.
class TypingLimitValidator final : public QValidator {
  public:
    explicit TypingLimitValidator(LimitedLineEdit& edit) : QValidator(&edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        if (edit_.storing_ || input.size() <= edit_.limit_ ||
            input.size() <= edit_.acceptedLength_) {
            return Acceptable;
        }
        return Invalid;
    }

  private:
    LimitedLineEdit& edit_;
};

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit) {
    if (limit_ > 0) {
        setValidator(new TypingLimitValidator(*this));
    }
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { acceptedLength_ = text.size(); });
}

void LimitedLineEdit::setStoredText(const QString& text) {
    storing_ = true;
    setText(text);
    storing_ = false;
}

}  // namespace korvex::app
