#include "app/controls/LimitedLineEdit.h"

#include <QValidator>
#include <algorithm>

namespace korvex::app {

// Keeps of what the user inserts only as much as fits the limit (an over-long text from the program
// may keep its length): a key typed into a full field is refused, a paste is cut short.
class TypingLimitValidator final : public QValidator {
  public:
    explicit TypingLimitValidator(LimitedLineEdit& edit) : QValidator(&edit), edit_(edit) {}

    State validate(QString& input, int& position) const override {
        const qsizetype allowed = std::max<qsizetype>(edit_.limit_, edit_.acceptedLength_);
        const qsizetype excess = input.size() - allowed;
        if (edit_.storing_ || excess <= 0) {
            return Acceptable;
        }
        // The inserted characters end at the cursor; drop their tail.
        if (excess > position) {
            return Invalid;
        }
        input.remove(position - excess, excess);
        position -= static_cast<int>(excess);
        return Acceptable;
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
