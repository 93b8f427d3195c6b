#pragma once
// The drop-down list of a choice setting. For a screen reader it is named by its setting and its
// entry ("Path rule 2, traceable: Yes"): Qt names a drop-down on Linux by its entry alone, so
// that the 24 "Yes"/"No" lists of a page could not be told apart.

#include <QComboBox>

namespace korvex::app {

class SettingList final : public QComboBox {
    Q_OBJECT
  public:
    explicit SettingList(QWidget* parent = nullptr);
};

}  // namespace korvex::app
