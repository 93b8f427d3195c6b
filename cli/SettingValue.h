#pragma once
// A value typed on the command line, set into one setting: a list takes its entry text (in any
// case) or its index, a check box 1/0/yes/no/true/false, an edit field its text within the
// field's edit limit. The argument is UTF-8; the settings get Latin-1.

#include <stdexcept>
#include <string_view>

#include "settings/Catalogue.h"
#include "settings/Settings.h"

namespace korvex::cli {

// A value the setting cannot take: exit status 1, nothing written.
class ValueRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws ValueRefused with the reason.
void setValue(Settings& settings, const SettingDef& def, std::string_view utf8);

}  // namespace korvex::cli
