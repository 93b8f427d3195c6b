#pragma once
// The drop-down list of a choice setting. What a screen reader hears of it (its setting and its
// entry, "Path rule 2, traceable: Yes") is app/accessibility's.

#include <QComboBox>

namespace korvex::app {

class SettingList final : public QComboBox {
    Q_OBJECT
  public:
    explicit SettingList(QWidget* parent = nullptr);
};

}  // namespace korvex::app
