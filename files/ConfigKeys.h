#pragma once
// The keys of the configuration file in file order: the three header keys, then one row per
// setting with its section, key, setting name, value form and load default.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// How a key's value stands for its setting.
enum class ValueForm {
    Text,    // an edit field's text as typed
    Number,  // an edit field holding a whole number, written in plain decimal
    Choice,  // a drop-down list's selected index, -1 for none
    Flag,    // a check box, "1" ticked and "0" not
};

struct HeaderKey {
    std::string_view key;
    std::string_view written;      // the value a save writes
    std::string_view loadDefault;  // what a load takes when the key is missing
};

struct ConfigKey {
    std::string section;
    std::string key;
    std::string setting;
    ValueForm form = ValueForm::Text;
    std::string defaultText;  // the load default: a text, or the number in decimal
    int defaultNumber = 0;    // the load default of a number, choice or flag

    bool operator==(const ConfigKey&) const = default;
};

inline constexpr std::string_view kHeaderSection = "!WARNING";

// WARNING (written, never read), Application and Version, in file order.
std::span<const HeaderKey> headerKeys();
// The 333 setting keys in file order.
const std::vector<ConfigKey>& configKeys();

}  // namespace korvex
