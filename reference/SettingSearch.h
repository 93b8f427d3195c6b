#pragma once
// Finding a setting by what a person remembers of it: part of its label, its name, its key in
// configuration files or its hint, in any case. Every word typed must occur in one of them.

#include <string>
#include <string_view>
#include <vector>

#include "settings/Catalogue.h"

namespace korvex {

class SettingSearch {
  public:
    // Prepares the texts of every setting of the catalogue once.
    SettingSearch();

    // The settings that match, best first: a name typed whole, then a name's start, then a
    // label, a file key and a hint holding the first word; catalogue order among equals. An
    // empty query (or one of spaces only) matches nothing.
    std::vector<const SettingDef*> find(std::string_view query) const;

  private:
    struct Searchable {
        const SettingDef* def;
        std::string name;  // each in lower case
        std::string label;
        std::string key;
        std::string hint;
    };
    std::vector<Searchable> settings_;
};

// How a list names a setting, as `diff` does without the label's colon: "Beacons / 1. RF rate
// [min]". Latin-1.
std::string matchCaption(const SettingDef& def);

}  // namespace korvex
