// korvex-mini-emu: a Korvex Mini on this machine's USB HID stack, made through /dev/uhid. It
// answers the four report commands as the simulated device does, with its faults, so korvex-cli
// and the configurator talk to it through their real hidraw path. For tests and developers.

#include <csignal>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "UhidDevice.h"
#include "device/SimulatedDevice.h"

namespace {

using namespace korvex;

constexpr std::string_view kUsage =
    "Usage: korvex-mini-emu [--folder DIR] [--sim-fault KIND:[TRANSFER:]PAGE]\n"
    "Creates a Korvex Mini (USB HID 0483:a04b) through /dev/uhid and answers the host until\n"
    "SIGINT or SIGTERM.\n"
    "  --folder DIR           keep the device in DIR/eeprom.bin and DIR/firmware.bin (loaded\n"
    "                         at start, saved at exit); a fresh device without it\n"
    "  --sim-fault KIND:PAGE  fail at the zero-based page PAGE as korvex-cli --sim-fault does\n"
    "                         (unplug removes the device and ends the emulator); with\n"
    "                         KIND:TRANSFER:PAGE only in that transfer, which the emulator\n"
    "                         tells from the requests: a read after a write is the verify,\n"
    "                         any other read counts as read, backup and plan alike\n";

struct Options {
    std::optional<std::filesystem::path> folder;
    std::optional<SimulatedFaultAt> fault;
};

// nullopt after printing why the command line is refused.
std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--folder" && hasValue) {
            options.folder = argv[++i];
        } else if (word == "--sim-fault" && hasValue) {
            try {
                options.fault = parseSimulatedFault(argv[++i]);
            } catch (const std::invalid_argument& malformed) {
                std::cerr << "korvex-mini-emu: " << malformed.what() << "\n";
                return std::nullopt;
            }
        } else {
            std::cerr << kUsage;
            return std::nullopt;
        }
    }
    return options;
}

// SIGINT and SIGTERM interrupt the wait for the host's next report; the emulator then ends.
void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: the blocked read returns EINTR
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Answers the host's requests until a stop signal or an unplug fault.
void serve(SimulatedDevice& device, emulator::UhidDevice& uhid) {
    while (const auto output = uhid.nextOutput()) {
        HidReport request;
        std::copy(output->begin(), output->end(), request.bytes.begin() + 1);
        const auto reply = device.answer(request);
        if (reply) {
            uhid.sendInput(std::span<const uint8_t, emulator::kUhidReportSize>(
                reply->bytes.data() + 1, emulator::kUhidReportSize));
        }
        if (device.unplugged()) {
            std::cout << "korvex-mini-emu: unplugged at page " << request.page() << std::endl;
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    try {
        SimulatedDevice device =
            options->folder ? SimulatedDevice::loadOrCreate(*options->folder) : SimulatedDevice();
        if (options->fault) {
            device.armFault(*options->fault);
        }
        installStopHandlers();
        {
            emulator::UhidDevice uhid("Korvex Mini", kKorvexVendorId, kKorvexProductId);
            if (uhid.waitUntilStarted()) {
                std::cout << "korvex-mini-emu: ready" << std::endl;
                serve(device, uhid);
            }
        }
        if (options->folder) {
            device.save(*options->folder);
        }
    } catch (const std::exception& failure) {
        std::cerr << "korvex-mini-emu: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
