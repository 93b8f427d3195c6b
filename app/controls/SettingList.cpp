#include "app/controls/SettingList.h"

namespace korvex::app {

SettingList::SettingList(QWidget* parent) : QComboBox(parent) {}

}  // namespace korvex::app
