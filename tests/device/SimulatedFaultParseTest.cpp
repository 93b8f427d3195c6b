#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include <stdexcept>

#include "device/SimulatedDevice.h"

namespace korvex::testing {
namespace {

struct FaultOptionCase {
    std::string_view text;
    std::optional<SimulatedFault> fault;  // nullopt: refused
    uint16_t page = 0;
};

TEST(SimulatedFaultParse, TakesKindColonPageAndRefusesEverythingElse) {
    const FaultOptionCase cases[] = {
        {"reject:0", SimulatedFault::Reject, 0},
        {"badsum:191", SimulatedFault::BadSum, 191},
        {"silent:7679", SimulatedFault::Silent, 7679},
        {"unplug:65535", SimulatedFault::Unplug, 65535},
        {"unplug:65536", std::nullopt},
        {"silent:", std::nullopt},
        {"silent", std::nullopt},
        {"silent:3x", std::nullopt},
        {"silent:-3", std::nullopt},
        {":3", std::nullopt},
        {"crash:3", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& each : cases) {
        if (!each.fault) {
            EXPECT_THROW(parseSimulatedFault(each.text), std::invalid_argument) << each.text;
            continue;
        }
        const auto parsed = parseSimulatedFault(each.text);
        EXPECT_EQ(parsed.fault, *each.fault) << each.text;
        EXPECT_EQ(parsed.page, each.page) << each.text;
    }
}

}  // namespace
}  // namespace korvex::testing
