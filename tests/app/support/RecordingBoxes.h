#pragma once
// MessageBoxes that record every box instead of showing it.

#include <QString>
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

    std::vector<Box> boxes;
};

}  // namespace korvex::testing
