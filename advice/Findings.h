#pragma once
// What the station check's rules found, collected rule by rule; the checks of each area of the
// station add to it.

#include <string>
#include <string_view>
#include <vector>

#include "advice/Advice.h"
#include "advice/BeaconText.h"

namespace korvex {

class Findings {
  public:
    // Advice of rule `id` about `settings` (catalogue names), its text's "{}" filled from
    // `details` in turn.
    void add(std::string_view id, std::vector<std::string> settings,
             std::vector<std::string> details = {});

    std::vector<Advice> advice;
};

// The checks, one function per area of the station; each looks only at what is in use.
void checkIdentity(const Settings& settings, Findings& found);
void checkDigipeater(const Settings& settings, Findings& found);
void checkBeacons(const Settings& settings, const BeaconSample& sample, Findings& found);
void checkNetwork(const Settings& settings, Findings& found);
void checkAprsis(const Settings& settings, Findings& found);
void checkIgate(const Settings& settings, Findings& found);
void checkAdministration(const Settings& settings, Findings& found);
void checkTelemetry(const Settings& settings, Findings& found);

// A text in double quotes.
std::string quoted(std::string_view text);

}  // namespace korvex
