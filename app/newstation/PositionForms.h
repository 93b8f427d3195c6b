#pragma once
// A position typed in any form, and every form of it shown side by side as it is typed: the
// Radio tab's Latitude and Longitude fields, decimal degrees, degrees and minutes, degrees,
// minutes and seconds, the locator; or what is wrong with it.

#include <QWidget>
#include <optional>

#include "advice/Position.h"

class QLabel;
class QLineEdit;

namespace korvex::app {

class PositionForms final : public QWidget {
    Q_OBJECT
  public:
    explicit PositionForms(QWidget* parent = nullptr);

    QLineEdit& input() { return *input_; }
    // The position typed, or nullopt while it cannot be read.
    const std::optional<Position>& position() const { return position_; }
    // The input's text as the position reader takes it.
    std::string typed() const;

  signals:
    void positionChanged();

  private:
    void update();

    QLineEdit* input_ = nullptr;
    QLabel* latitude_ = nullptr;
    QLabel* longitude_ = nullptr;
    QLabel* decimal_ = nullptr;
    QLabel* minutes_ = nullptr;
    QLabel* seconds_ = nullptr;
    QLabel* locator_ = nullptr;
    QLabel* error_ = nullptr;
    std::optional<Position> position_;
};

}  // namespace korvex::app
