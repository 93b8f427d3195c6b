#include "cli/SettingValue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "settings/Latin1.h"

namespace korvex::cli {

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::string refusal(const SettingDef& def, std::string_view value, const std::string& reason) {
    return std::string(def.name) + "=" + std::string(value) + ": " + reason;
}

void setChoice(Settings& settings, const SettingDef& def, const std::string& value,
               std::string_view typed) {
    // Entry text first, exactly and then in any case, so that "2" picks the entry "2".
    for (const bool anyCase : {false, true}) {
        for (size_t i = 0; i < def.choices.size(); ++i) {
            const std::string entry(def.choices[i]);
            if (anyCase ? lowered(entry) == lowered(value) : entry == value) {
                settings.setIndex(def.name, static_cast<int>(i));
                return;
            }
        }
    }
    int index = -1;
    const auto parsed = std::from_chars(value.data(), value.data() + value.size(), index);
    if (!value.empty() && parsed.ec == std::errc() && parsed.ptr == value.data() + value.size() &&
        index >= 0 && static_cast<size_t>(index) < def.choices.size()) {
        settings.setIndex(def.name, index);
        return;
    }
    std::string entries;
    for (const std::string_view entry : def.choices) {
        entries += (entries.empty() ? "\"" : ", \"") + latin1ToUtf8(entry) + "\"";
    }
    throw ValueRefused(refusal(def, typed,
                               "takes one of " + entries + " or an index from 0 to " +
                                   std::to_string(def.choices.size() - 1)));
}

}  // namespace

void setValue(Settings& settings, const SettingDef& def, std::string_view utf8) {
    const auto latin1 = utf8ToLatin1(utf8);
    if (!latin1) {
        throw ValueRefused(refusal(def, utf8, "holds a character outside Latin-1"));
    }
    if (latin1->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        throw ValueRefused(refusal(def, utf8, "holds a line break or a NUL character"));
    }
    switch (def.kind) {
        case SettingKind::Choice:
            setChoice(settings, def, *latin1, utf8);
            return;
        case SettingKind::Check: {
            const std::string word = lowered(*latin1);
            if (word == "1" || word == "yes" || word == "true") {
                settings.setChecked(def.name, true);
            } else if (word == "0" || word == "no" || word == "false") {
                settings.setChecked(def.name, false);
            } else {
                throw ValueRefused(refusal(def, utf8, "takes 1, 0, yes, no, true or false"));
            }
            return;
        }
        case SettingKind::Edit:
            if (def.editLimit > 0 && latin1->size() > static_cast<size_t>(def.editLimit)) {
                throw ValueRefused(refusal(
                    def, utf8,
                    "longer than the field's " + std::to_string(def.editLimit) + " characters"));
            }
            settings.setText(def.name, *latin1);
            return;
    }
}

}  // namespace korvex::cli
