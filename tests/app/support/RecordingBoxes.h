#pragma once
// MessageBoxes that record every box instead of showing it; a box that asks is answered from
// `answers` (and with its reject button once they run out); one that offers several buttons by
// the button's text from `choices`, or else from `answers` (true: its first button, false or none
// left: its last).

#include <QString>
#include <QStringList>
#include <vector>

#include "app/seams/MessageBoxes.h"

namespace korvex::testing {

class RecordingBoxes final : public app::MessageBoxes {
  public:
    struct Box {
        app::BoxIcon icon;
        QString caption;
        QString text;
        bool operator==(const Box&) const = default;
    };

    void show(app::BoxIcon icon, const QString& caption, const QString& text) override {
        boxes.push_back({icon, caption, text});
    }
    bool ask(app::BoxIcon icon, const QString& caption, const QString& text, const QString& accept,
             const QString& reject) override {
        boxes.push_back({icon, caption, text});
        asked.push_back({accept, reject});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    int choose(app::BoxIcon icon, const QString& caption, const QString& text,
               const QStringList& buttons) override {
        boxes.push_back({icon, caption, text});
        asked.push_back(buttons);
        const int last = static_cast<int>(buttons.size()) - 1;
        if (!choices.empty()) {
            const QString choice = choices.front();
            choices.erase(choices.begin());
            const auto index = buttons.indexOf(choice);
            return index < 0 ? last : static_cast<int>(index);
        }
        if (!answers.empty()) {
            const bool answer = answers.front();
            answers.erase(answers.begin());
            return answer ? 0 : last;
        }
        return last;
    }

    std::vector<Box> boxes;
    std::vector<QStringList> asked;  // the buttons of each box that asked
    std::vector<QString> choices;
    std::vector<bool> answers;
};

}  // namespace korvex::testing
