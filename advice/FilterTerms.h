#pragma once
// The server-side filter that an APRS-IS client sends after its login, checked term by term
// against the filter commands the servers know: r/lat/lon/km, a/latN/lonW/latS/lonE, m/km,
// f/call/km, p/, b/, o/, os/, d/, e/, g/, u/ (one or more names), t/types[/call/km],
// s/pri/alt/over, q/con[/I]; a leading "-" excludes what the term matches.

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

bool isFilterTerm(std::string_view term);
// The terms of a filter (separated by blanks) that are not filter terms, in their order.
std::vector<std::string> badFilterTerms(std::string_view filter);

}  // namespace korvex
