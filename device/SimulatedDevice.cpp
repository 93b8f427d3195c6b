#include "device/SimulatedDevice.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <random>
#include <stdexcept>
#include <thread>
#include <utility>

namespace korvex {

namespace {

struct FaultName {
    std::string_view name;
    SimulatedFault fault;
};
constexpr std::array<FaultName, 5> kFaultNames{{
    {"reject", SimulatedFault::Reject},
    {"badsum", SimulatedFault::BadSum},
    {"silent", SimulatedFault::Silent},
    {"unplug", SimulatedFault::Unplug},
    {"corrupt", SimulatedFault::Corrupt},
}};

struct TransferName {
    std::string_view name;
    TransferKind transfer;
};
constexpr std::array<TransferName, 6> kTransferNames{{
    {"backup", TransferKind::Backup},
    {"plan", TransferKind::Plan},
    {"write", TransferKind::Write},
    {"verify", TransferKind::Verify},
    {"read", TransferKind::Read},
    {"firmware", TransferKind::Firmware},
}};

template <typename Table>
std::string namesOf(const Table& table) {
    std::string names;
    for (const auto& entry : table) {
        names += (names.empty() ? "" : ", ") + std::string(entry.name);
    }
    return names;
}

// The code a device answers with when it refuses a request.
constexpr uint8_t kRefusal = 0x00;

bool carriesPage(uint8_t command) {
    return command == static_cast<uint8_t>(DeviceCommand::ReadConfigPage) ||
           command == static_cast<uint8_t>(DeviceCommand::WriteConfigPage) ||
           command == static_cast<uint8_t>(DeviceCommand::WriteFirmwarePage);
}

// A transport to one simulated device: a request is answered at once, and the answer waits
// for the next read.
class SimulatedTransport final : public Transport {
  public:
    SimulatedTransport(SimulatedDevice& device, const SimulatedBus::Waiter& waiter)
        : device_(device), waiter_(waiter) {}

    bool write(const HidReport& request) override {
        if (device_.unplugged()) {
            return false;
        }
        pending_ = device_.answer(request);
        return !device_.unplugged();
    }

    void transferBegins(TransferKind kind) override { device_.transferBegins(kind); }

    bool read(HidReport& reply, std::chrono::milliseconds timeout) override {
        if (device_.unplugged()) {
            return false;
        }
        if (!pending_) {
            waiter_(timeout);
            return false;
        }
        reply = *pending_;
        pending_.reset();
        return true;
    }

  private:
    SimulatedDevice& device_;
    SimulatedBus::Waiter waiter_;
    std::optional<HidReport> pending_;
};

}  // namespace

std::optional<SimulatedFault> simulatedFaultNamed(std::string_view name) {
    for (const auto& entry : kFaultNames) {
        if (entry.name == name) {
            return entry.fault;
        }
    }
    return std::nullopt;
}

std::optional<TransferKind> transferNamed(std::string_view name) {
    for (const auto& entry : kTransferNames) {
        if (entry.name == name) {
            return entry.transfer;
        }
    }
    return std::nullopt;
}

SimulatedFaultAt parseSimulatedFault(std::string_view text) {
    const auto colon = text.find(':');
    const auto lastColon = text.rfind(':');
    const auto fault = simulatedFaultNamed(text.substr(0, colon));
    std::optional<TransferKind> transfer = TransferKind::Unnamed;
    if (colon != lastColon) {
        transfer = transferNamed(text.substr(colon + 1, lastColon - colon - 1));
    }
    // A corrupted page is one stored wrong, so only a configuration write can meet it.
    const bool corruptsNothing = fault == SimulatedFault::Corrupt &&
                                 transfer != TransferKind::Unnamed &&
                                 transfer != TransferKind::Write;
    uint16_t page = 0;
    const char* end = text.data() + text.size();
    const char* digits = colon == std::string_view::npos ? end : text.data() + lastColon + 1;
    const auto parsed = std::from_chars(digits, end, page);
    if (fault && transfer && !corruptsNothing && digits != end && parsed.ec == std::errc() &&
        parsed.ptr == end) {
        return {*fault, page, *transfer};
    }
    throw std::invalid_argument(
        "--sim-fault takes KIND:PAGE or KIND:TRANSFER:PAGE with KIND one of " +
        namesOf(kFaultNames) + ", TRANSFER one of " + namesOf(kTransferNames) +
        " (corrupt: write only) and PAGE a zero-based page number, not " + std::string(text));
}

SimulatedDevice::SimulatedDevice(const ConfigImage& eeprom)
    : eeprom_(eeprom), flash_(kFlashSize, kErasedFlash) {}

void SimulatedDevice::armFault(SimulatedFault fault, uint16_t page, TransferKind transfer) {
    fault_ = ArmedFault{fault, page, transfer};
}

void SimulatedDevice::transferBegins(TransferKind kind) {
    transfer_ = kind;
    transferTold_ = true;
}

void SimulatedDevice::guessTransfer(const HidReport& request) {
    const uint8_t command = request.command();
    if (transferTold_ || !carriesPage(command)) {
        return;
    }
    // A transfer starts at page 0, or where the requests change their command.
    if (request.page() == 0 || command != lastPageCommand_) {
        switch (static_cast<DeviceCommand>(command)) {
            case DeviceCommand::WriteConfigPage:
                transfer_ = TransferKind::Write;
                break;
            case DeviceCommand::WriteFirmwarePage:
                transfer_ = TransferKind::Firmware;
                break;
            default:
                transfer_ = lastPageCommand_ == static_cast<uint8_t>(DeviceCommand::WriteConfigPage)
                                ? TransferKind::Verify
                                : TransferKind::Read;
        }
    }
    lastPageCommand_ = command;
}

bool SimulatedDevice::inArmedTransfer() const {
    const TransferKind armed = fault_->transfer;
    if (armed == TransferKind::Unnamed || armed == transfer_) {
        return true;
    }
    // Guessed from the requests, a read before a write looks like any other read.
    const bool readBeforeWrite = armed == TransferKind::Backup || armed == TransferKind::Plan;
    return !transferTold_ && readBeforeWrite && transfer_ == TransferKind::Read;
}

std::optional<SimulatedFault> SimulatedDevice::strikingFault(const HidReport& request) {
    guessTransfer(request);
    if (!fault_ || !carriesPage(request.command()) || request.page() != fault_->page ||
        !inArmedTransfer()) {
        return std::nullopt;
    }
    if (fault_->kind == SimulatedFault::Corrupt &&
        request.command() != static_cast<uint8_t>(DeviceCommand::WriteConfigPage)) {
        return std::nullopt;
    }
    const SimulatedFault kind = fault_->kind;
    fault_.reset();
    return kind;
}

std::optional<HidReport> SimulatedDevice::answer(const HidReport& request) {
    if (unplugged_) {
        return std::nullopt;
    }
    ++requestCount_;
    const auto fault = strikingFault(request);
    if (fault == SimulatedFault::Unplug) {
        unplugged_ = true;
        return std::nullopt;
    }
    if (fault == SimulatedFault::Silent) {
        return std::nullopt;
    }
    if (fault == SimulatedFault::Reject) {
        HidReport refusal;
        refusal.bytes[HidReport::kCommandAt] = kRefusal;
        return refusal;
    }
    HidReport reply = serve(request);
    if (fault == SimulatedFault::BadSum) {
        reply.setStoredSum(static_cast<uint16_t>(reply.storedSum() + 1));
    }
    if (fault == SimulatedFault::Corrupt && reply.command() == request.command()) {
        eeprom_.bytes[size_t{request.page()} * kReportDataSize] ^= 0x01;
    }
    return reply;
}

HidReport SimulatedDevice::serve(const HidReport& request) {
    HidReport reply;
    reply.bytes[HidReport::kCommandAt] = request.command();
    const size_t offset = size_t{request.page()} * kReportDataSize;
    switch (static_cast<DeviceCommand>(request.command())) {
        case DeviceCommand::QueryVersion:
            reply.setVersion(firmwareVersion_);
            return reply;
        case DeviceCommand::ReadConfigPage:
            if (request.page() >= kPageCount) {
                break;
            }
            std::copy_n(eeprom_.bytes.begin() + offset, kReportDataSize, reply.data().begin());
            reply.setStoredSum(PageSum(reply.data()));
            return reply;
        case DeviceCommand::WriteConfigPage:
            if (request.page() >= kPageCount || !request.sumMatches()) {
                break;
            }
            std::copy(request.data().begin(), request.data().end(), eeprom_.bytes.begin() + offset);
            return reply;
        case DeviceCommand::WriteFirmwarePage:
            if (offset >= flash_.size() || !request.sumMatches()) {
                break;
            }
            std::copy(request.data().begin(), request.data().end(), flash_.begin() + offset);
            return reply;
    }
    // An unknown command, a page out of range or a corrupted page: refused.
    reply.bytes[HidReport::kCommandAt] = kRefusal;
    return reply;
}

SimulatedBus::SimulatedBus(Waiter waiter) : waiter_(std::move(waiter)) {
    if (!waiter_) {
        waiter_ = [](std::chrono::milliseconds wait) { std::this_thread::sleep_for(wait); };
    }
}

std::string SimulatedBus::plug(SimulatedDevice& device, uint16_t vendorId, uint16_t productId) {
    static const std::string process = std::to_string(std::random_device{}());
    std::string path = device.folder().empty()
                           ? "sim:memory:" + process + ":" + std::to_string(slots_.size())
                           : "sim:" + device.folder().string();
    slots_.push_back({{vendorId, productId, path}, &device});
    return path;
}

void SimulatedBus::denyAccess(const std::string& path) {
    for (auto& slot : slots_) {
        if (slot.interface.path == path) {
            slot.accessible = false;
        }
    }
}

std::vector<DeviceInterface> SimulatedBus::enumerate() {
    std::vector<DeviceInterface> present;
    for (const auto& slot : slots_) {
        if (!slot.device->unplugged()) {
            present.push_back(slot.interface);
        }
    }
    return present;
}

std::unique_ptr<Transport> SimulatedBus::open(const DeviceInterface& device) {
    for (const auto& slot : slots_) {
        if (slot.interface == device && slot.accessible && !slot.device->unplugged()) {
            return std::make_unique<SimulatedTransport>(*slot.device, waiter_);
        }
    }
    return nullptr;
}

InterfaceAccess SimulatedBus::probe(const DeviceInterface& device) {
    for (const auto& slot : slots_) {
        if (slot.interface == device && !slot.device->unplugged()) {
            return slot.accessible ? InterfaceAccess::Openable : InterfaceAccess::Denied;
        }
    }
    return InterfaceAccess::Gone;
}

}  // namespace korvex
