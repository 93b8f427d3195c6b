#pragma once
// The station check: settings that pass every check of "Write config" and still make a station
// misbehave on the air or on APRS-IS, or go against common practice. One table of rules, one
// function that applies them; advice never blocks anything.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "advice/BeaconText.h"
#include "settings/Settings.h"

namespace korvex {

enum class AdviceSeverity {
    Warning,  // the station will misbehave
    Note,     // against common practice
};

struct AdviceRule {
    std::string_view id;
    std::string_view settings;  // the settings it looks at ("#" for a beacon's or rule's number)
    AdviceSeverity severity = AdviceSeverity::Warning;
    std::string_view text;       // what the user is shown; each "{}" takes a detail in turn
    std::string_view reason;     // why, in one line
    std::string_view reference;  // the document and section the reason comes from
};

// Every rule, in the order of the window's tabs.
std::span<const AdviceRule> adviceRules();
// The rule of an id; an id that is not in the table throws std::logic_error.
const AdviceRule& adviceRule(std::string_view id);

struct Advice {
    const AdviceRule* rule = nullptr;
    std::vector<std::string> settings;  // the settings it is about, the one to show first
    std::string text;                   // the rule's text with its details (Latin-1)
};

// The advice on a set of settings, in window order of the first setting each names.
std::vector<Advice> adviseStation(const Settings& settings);
// The same with the beacon texts' <date> and <volt> taken from `sample`.
std::vector<Advice> adviseStation(const Settings& settings, const BeaconSample& sample);

// "3 warnings, 2 notes".
std::string adviceSummary(const std::vector<Advice>& advice);
// "warning" or "note".
std::string_view severityWord(AdviceSeverity severity);
// "warning: Digipeater / Path name (Pathn1_name): TEXT" (Latin-1).
std::string adviceLine(const Advice& advice);

}  // namespace korvex
