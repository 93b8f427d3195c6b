#pragma once
// The APRS-IS passcode of a login: the public hash that servers use to verify that a login may
// send. Only the call counts: what follows "-" (the SSID) is left out, case does not matter.

#include <cstdint>
#include <string_view>

namespace korvex {

// 0..32767.
int aprsisPasscode(std::string_view login);

}  // namespace korvex
