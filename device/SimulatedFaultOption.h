#pragma once
// The text form of a simulated fault armed at a page, "KIND:PAGE" (PAGE zero-based), as options
// such as --sim-fault take it.

#include <cstdint>
#include <optional>
#include <string_view>

#include "device/SimulatedDevice.h"

namespace korvex {

struct SimulatedFaultOption {
    SimulatedFault fault;
    uint16_t page;
};

// nullopt unless the text is a fault name, a colon and a page number from 0 to 65535.
std::optional<SimulatedFaultOption> parseSimulatedFaultOption(std::string_view text);

}  // namespace korvex
