#include "device/SimulatedFaultOption.h"

#include <charconv>

namespace korvex {

std::optional<SimulatedFaultOption> parseSimulatedFaultOption(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto fault = simulatedFaultNamed(text.substr(0, colon));
    const std::string_view digits = text.substr(colon + 1);
    uint16_t page = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), page);
    if (!fault || digits.empty() || parsed.ec != std::errc() ||
        parsed.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return SimulatedFaultOption{*fault, page};
}

}  // namespace korvex
