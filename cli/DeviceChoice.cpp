#include "cli/DeviceChoice.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <stdexcept>
#include <string>

#include "device/HidapiTransport.h"
#include "device/KeepingBus.h"

namespace korvex::cli {

namespace {

// A reply not come after this is waited for with a line on a terminal.
constexpr std::chrono::milliseconds kWaitNotice{1000};

// "KIND:PAGE" or "KIND:TRANSFER:PAGE", PAGE zero-based.
SimulatedFaultAt parseFaultOption(const std::string& value) {
    try {
        return parseSimulatedFault(value);
    } catch (const std::invalid_argument& malformed) {
        throw UsageError(malformed.what());
    }
}

}  // namespace

void addDeviceOptions(CLI::App& command, Arguments& given) {
    addValueOption(command, "simulate", "--simulate", "DIR",
                   "talk to a simulated device kept in DIR instead of the attached one", given);
    addValueOption(command, "sim-fault", "--sim-fault", "KIND:[TRANSFER:]PAGE",
                   "arm a fault on the simulated device: KIND reject, badsum, silent, unplug or "
                   "corrupt at the zero-based PAGE of the first transfer that reaches it, or only "
                   "of TRANSFER: backup, plan, write, verify, read or firmware",
                   given);
    addValueOption(command, "trace", "--trace", "FILE",
                   "record every USB report exchanged into FILE, for a bug report", given);
}

DeviceChoice::DeviceChoice(const Arguments& arguments) {
    const auto folder = arguments.option("simulate");
    const auto faultText = arguments.option("sim-fault");
    if (faultText && !folder) {
        throw UsageError("--sim-fault needs --simulate DIR");
    }
    if (folder) {
        // Parsed before the folder is touched, so a usage error leaves no trace.
        SimulatedFaultAt fault{};
        if (faultText) {
            fault = parseFaultOption(*faultText);
        }
        // Loaded (made when missing) here so that a folder that cannot hold a device is refused
        // before anything is sent.
        simulated_ = std::make_unique<SimulatedDevice>(SimulatedDevice::loadOrCreate(*folder));
        if (faultText) {
            simulated_->armFault(fault);
        }
        bus_ = std::make_unique<SimulatedBus>();
        bus_->plug(*simulated_);
        provider_ = std::make_unique<KeepingBus>(*bus_, *simulated_, *folder);
    } else {
        provider_ = std::make_unique<HidapiTransportProvider>();
    }
    tracing_ = std::make_unique<TracingProvider>(*provider_);
    if (const auto trace = arguments.option("trace")) {
        // A trace that cannot be written is told, and the command goes on without it.
        traceFile_ = TraceFile::create(*trace);
        if (traceFile_) {
            recorder_ = std::make_unique<TraceRecorder>(*traceFile_);
            tracing_->setRecorder(recorder_.get());
            tracePath_ = *trace;
            std::cerr << "Trace recording started: " << tracePath_.string() << "\n";
        } else {
            std::cerr << "korvex-cli: cannot write the trace to " << *trace
                      << "; going on without it\n";
        }
    }
    link_ = std::make_unique<DeviceLink>(*tracing_);
    link_->noticeLongWaits(kWaitNotice);
}

DeviceChoice::~DeviceChoice() {
    if (traceFile_) {
        std::cerr << "Trace recording stopped: " << tracePath_.string() << "\n";
    }
}

}  // namespace korvex::cli
