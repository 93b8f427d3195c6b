#pragma once
// MessageBoxes that record every box instead of showing it; a box that asks is answered from
// `answers` (and with its reject button once they run out).

#include <QString>
#include <QStringList>
#include <vector>

#include "app/MessageBoxes.h"

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

    std::vector<Box> boxes;
    std::vector<QStringList> asked;  // the two buttons of each box that asked
    std::vector<bool> answers;
};

}  // namespace korvex::testing
