#pragma once
// The settings reference: everything known about one setting, gathered from the tables that hold
// it (the catalogue, the texts beside it, the start-up state, the configuration-file keys, the
// image layout's checks and the station check's rules). Nothing here is written a second time.

#include <string>
#include <vector>

#include "advice/Advice.h"
#include "settings/Catalogue.h"

namespace korvex {

struct ReferenceEntry {
    const SettingDef* def = nullptr;
    std::string place;  // "Radio", "Telemetry reports / Analog channels", "Packet filter"
    std::string group;  // the group box's caption without its colon; empty when none
    std::string label;  // numberedLabel: "1. RF rate [min]:"
    std::string kind;   // "edit field", "drop-down list" or "check box"
    std::string limit;  // "6 characters"; empty for lists and check boxes
    std::vector<std::string> entries;  // "0 No", "1 Yes"
    std::string startValue;            // what the window starts with
    std::string section;               // the .cfg section; empty when the file does not hold it
    std::string key;                   // the .cfg key
    std::string form;                  // "text", "number", "choice" or "flag"
    std::string loadDefault;           // what "Read from file" takes when the key is missing
    std::string hint;
    std::string text;          // what the setting does
    std::string accepted;      // what "Write config" accepts; empty when it checks nothing
    std::string checkMessage;  // the message a refused value gets
    std::vector<const AdviceRule*> rules;  // the station check's rules that read it
};

// The entry of one setting of the catalogue.
ReferenceEntry referenceEntry(const SettingDef& def);
// The entries of every setting, in catalogue order.
std::vector<ReferenceEntry> referenceEntries();

}  // namespace korvex
