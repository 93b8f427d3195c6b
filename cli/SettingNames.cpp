#include "cli/SettingNames.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "cli/Arguments.h"

namespace korvex::cli {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// Edit distance without regard to case.
size_t distance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const size_t change = diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

const SettingDef& settingNamed(std::string_view name) {
    std::vector<std::pair<size_t, std::string_view>> ranked;
    for (const SettingDef& def : catalogue()) {
        if (sameIgnoringCase(def.name, name)) {
            return def;
        }
        ranked.emplace_back(distance(def.name, name), def.name);
    }
    constexpr size_t kShown = 3;
    std::partial_sort(ranked.begin(), ranked.begin() + kShown, ranked.end());
    std::string closest;
    for (size_t i = 0; i < kShown; ++i) {
        closest += (i == 0 ? "" : ", ") + std::string(ranked[i].second);
    }
    throw UsageError("unknown setting " + std::string(name) + "; the closest names are " + closest);
}

}  // namespace korvex::cli
