#include "cli/DeviceChoice.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <string>

#include "device/HidapiTransport.h"

namespace korvex::cli {

namespace {

struct FaultOption {
    SimulatedFault fault;
    uint16_t page;
};

// "KIND:PAGE", PAGE zero-based.
FaultOption parseFaultOption(const std::string& value) {
    const auto colon = value.find(':');
    const auto fault = simulatedFaultNamed(std::string_view(value).substr(0, colon));
    uint16_t page = 0;
    const char* digits = colon == std::string::npos ? nullptr : value.c_str() + colon + 1;
    const char* end = value.c_str() + value.size();
    const auto parsed = digits ? std::from_chars(digits, end, page) : std::from_chars_result{};
    if (!fault || !digits || digits == end || parsed.ec != std::errc() || parsed.ptr != end) {
        throw UsageError(
            "--sim-fault takes KIND:PAGE with KIND one of reject, badsum, silent, "
            "unplug and PAGE a zero-based page number, not " +
            value);
    }
    return {*fault, page};
}

}  // namespace

void addDeviceOptions(CLI::App& command, Arguments& given) {
    addValueOption(command, "simulate", "--simulate", "DIR",
                   "talk to a simulated device kept in DIR instead of the attached one", given);
    addValueOption(command, "sim-fault", "--sim-fault", "KIND:PAGE",
                   "arm a fault on the simulated device: KIND reject, badsum, silent or unplug at "
                   "the zero-based PAGE",
                   given);
}

DeviceChoice::DeviceChoice(const Arguments& arguments) {
    const auto folder = arguments.option("simulate");
    const auto faultText = arguments.option("sim-fault");
    if (faultText && !folder) {
        throw UsageError("--sim-fault needs --simulate DIR");
    }
    if (folder) {
        // Parsed before the folder is touched, so a usage error leaves no trace.
        FaultOption fault{};
        if (faultText) {
            fault = parseFaultOption(*faultText);
        }
        folder_ = *folder;
        simulated_ = std::make_unique<SimulatedDevice>(SimulatedDevice::loadOrCreate(*folder_));
        if (faultText) {
            simulated_->armFault(fault.fault, fault.page);
        }
        auto bus = std::make_unique<SimulatedBus>();
        bus->plug(*simulated_);
        provider_ = std::move(bus);
    } else {
        provider_ = std::make_unique<HidapiTransportProvider>();
    }
    link_ = std::make_unique<DeviceLink>(*provider_);
}

void DeviceChoice::keep() const {
    if (simulated_) {
        simulated_->save(*folder_);
    }
}

}  // namespace korvex::cli
