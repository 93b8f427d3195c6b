#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "advice/Advice.h"
#include "advice/Findings.h"
#include "settings/Catalogue.h"
#include "settings/SettingCaption.h"

namespace korvex {

namespace {

// Each setting's place in window order, for sorting the advice.
size_t windowPlace(const Advice& advice) {
    static const std::unordered_map<std::string_view, size_t> places = [] {
        std::unordered_map<std::string_view, size_t> map;
        size_t place = 0;
        for (const SettingDef& def : catalogue()) {
            map.emplace(def.name, place++);
        }
        return map;
    }();
    const auto found = places.find(advice.settings.front());
    return found == places.end() ? places.size() : found->second;
}

}  // namespace

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void Findings::add(std::string_view id, std::vector<std::string> settings,
                   std::vector<std::string> details) {
    const AdviceRule& rule = adviceRule(id);
    if (settings.empty()) {
        throw std::logic_error("station check rule " + std::string(id) + " names no setting");
    }
    std::string text;
    auto detail = details.begin();
    std::string_view form = rule.text;
    for (size_t at = form.find("{}"); at != std::string_view::npos && detail != details.end();
         at = form.find("{}")) {
        text.append(form.substr(0, at)).append(*detail++);
        form.remove_prefix(at + 2);
    }
    text.append(form);
    for (const std::string& name : settings) {
        settingDef(name);  // a name outside the catalogue is a fault of the rule
    }
    advice.push_back({&rule, std::move(settings), std::move(text)});
}

std::vector<Advice> adviseStation(const Settings& settings) {
    return adviseStation(settings, BeaconSample{});
}

std::vector<Advice> adviseStation(const Settings& settings, const BeaconSample& sample) {
    Findings found;
    checkIdentity(settings, found);
    checkDigipeater(settings, found);
    checkBeacons(settings, sample, found);
    checkNetwork(settings, found);
    checkAprsis(settings, found);
    checkIgate(settings, found);
    checkAdministration(settings, found);
    checkTelemetry(settings, found);
    std::stable_sort(
        found.advice.begin(), found.advice.end(),
        [](const Advice& a, const Advice& b) { return windowPlace(a) < windowPlace(b); });
    return std::move(found.advice);
}

std::string_view severityWord(AdviceSeverity severity) {
    return severity == AdviceSeverity::Warning ? "warning" : "note";
}

std::string adviceSummary(const std::vector<Advice>& advice) {
    const auto warnings = std::count_if(advice.begin(), advice.end(), [](const Advice& a) {
        return a.rule->severity == AdviceSeverity::Warning;
    });
    const auto notes = static_cast<long>(advice.size()) - warnings;
    return std::to_string(warnings) + (warnings == 1 ? " warning, " : " warnings, ") +
           std::to_string(notes) + (notes == 1 ? " note" : " notes");
}

std::string adviceLine(const Advice& advice) {
    const SettingDef& def = settingDef(advice.settings.front());
    return std::string(severityWord(advice.rule->severity)) + ": " +
           std::string(settingPlace(def)) + " / " + settingCaption(def) + ": " + advice.text;
}

}  // namespace korvex
