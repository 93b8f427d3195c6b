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
    TransferKind transfer = TransferKind::Unnamed;
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
        {"unplug:write:10", SimulatedFault::Unplug, 10, TransferKind::Write},
        {"silent:backup:0", SimulatedFault::Silent, 0, TransferKind::Backup},
        {"reject:plan:3", SimulatedFault::Reject, 3, TransferKind::Plan},
        {"badsum:verify:191", SimulatedFault::BadSum, 191, TransferKind::Verify},
        {"badsum:read:5", SimulatedFault::BadSum, 5, TransferKind::Read},
        {"unplug:firmware:7679", SimulatedFault::Unplug, 7679, TransferKind::Firmware},
        {"corrupt:write:40", SimulatedFault::Corrupt, 40, TransferKind::Write},
        {"corrupt:verify:40", std::nullopt},
        {"unplug:erase:10", std::nullopt},
        {"unplug::10", std::nullopt},
        {"unplug:write:", std::nullopt},
        {"unplug:write:10:2", std::nullopt},
    };
    for (const auto& each : cases) {
        if (!each.fault) {
            EXPECT_THROW(parseSimulatedFault(each.text), std::invalid_argument) << each.text;
            continue;
        }
        const auto parsed = parseSimulatedFault(each.text);
        EXPECT_EQ(parsed.fault, *each.fault) << each.text;
        EXPECT_EQ(parsed.page, each.page) << each.text;
        EXPECT_EQ(parsed.transfer, each.transfer) << each.text;
    }
}

}  // namespace
}  // namespace korvex::testing
