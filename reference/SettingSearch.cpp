#include "reference/SettingSearch.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "files/ConfigKeys.h"
#include "settings/SettingCaption.h"

namespace korvex {

namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::vector<std::string> words(std::string_view query) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < query.size()) {
        while (at < query.size() && std::isspace(static_cast<unsigned char>(query[at]))) {
            ++at;
        }
        const size_t start = at;
        while (at < query.size() && !std::isspace(static_cast<unsigned char>(query[at]))) {
            ++at;
        }
        if (at > start) {
            out.push_back(lowered(query.substr(start, at - start)));
        }
    }
    return out;
}

}  // namespace

SettingSearch::SettingSearch() {
    std::unordered_map<std::string_view, std::string_view> keys;
    for (const ConfigKey& key : configKeys()) {
        keys.emplace(key.setting, key.key);
    }
    for (const SettingDef& def : catalogue()) {
        const auto key = keys.find(def.name);
        settings_.push_back({&def, lowered(def.name), lowered(numberedLabel(def)),
                             key == keys.end() ? std::string() : lowered(key->second),
                             lowered(def.hint)});
    }
}

std::vector<const SettingDef*> SettingSearch::find(std::string_view query) const {
    const std::vector<std::string> wanted = words(query);
    if (wanted.empty()) {
        return {};
    }
    std::vector<std::pair<int, const SettingDef*>> ranked;
    for (const Searchable& s : settings_) {
        const auto holds = [&s](const std::string& word) {
            return s.name.find(word) != std::string::npos ||
                   s.label.find(word) != std::string::npos ||
                   s.key.find(word) != std::string::npos || s.hint.find(word) != std::string::npos;
        };
        if (!std::all_of(wanted.begin(), wanted.end(), holds)) {
            continue;
        }
        const std::string& first = wanted.front();
        int rank = 5;
        if (s.name == first) {
            rank = 0;
        } else if (s.name.starts_with(first)) {
            rank = 1;
        } else if (s.label.find(first) != std::string::npos) {
            rank = 2;
        } else if (s.key.find(first) != std::string::npos) {
            rank = 3;
        } else if (s.hint.find(first) != std::string::npos) {
            rank = 4;
        }
        ranked.emplace_back(rank, s.def);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const SettingDef*> found;
    found.reserve(ranked.size());
    for (const auto& [rank, def] : ranked) {
        found.push_back(def);
    }
    return found;
}

std::string matchCaption(const SettingDef& def) {
    std::string label = numberedLabel(def);
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) {
        label.pop_back();
    }
    return settingPagePlace(def) + " / " + label;
}

}  // namespace korvex
