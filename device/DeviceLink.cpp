#include "device/DeviceLink.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace korvex {

DeviceLink::DeviceLink(TransportProvider& provider, std::chrono::milliseconds replyTimeout,
                       std::filesystem::path lockFolder)
    : provider_(provider), replyTimeout_(replyTimeout), lockFolder_(std::move(lockFolder)) {}

bool DeviceLink::OpenDevice(Feedback& feedback) {
    CloseDevice();
    const auto interfaces = provider_.enumerate();
    const auto korvex = std::find_if(interfaces.begin(), interfaces.end(), isKorvexInterface);
    if (korvex == interfaces.end()) {
        feedback.log("Korvex Mini not found.");
        return false;
    }
    feedback.log("Korvex Mini found, vid: Vid_0483, pid: A04B");
    // Two programs on one device would take each other's replies: only one holds it at a time.
    lock_ = std::make_unique<DeviceLock>(korvex->path, lockFolder_);
    if (lock_->state() == DeviceLock::State::InUse) {
        lock_.reset();
        feedback.log("Korvex Mini is in use by another program.");
        return false;
    }
    try {
        transport_ = provider_.open(*korvex);
    } catch (...) {
        lock_.reset();
        throw;
    }
    if (!transport_) {
        feedback.log(
            "Korvex Mini could not be opened (no permission?). Install the udev rule: see README.");
    }
    return true;
}

void DeviceLink::CloseDevice() {
    transport_.reset();
    lock_.reset();
}

bool DeviceLink::exchange(const HidReport& request, HidReport& reply) {
    if (!transport_ || !transport_->write(request) || !transport_->read(reply, replyTimeout_)) {
        return false;
    }
    return reply.command() == request.command();
}

bool DeviceLink::writePage(DeviceCommand command, uint16_t page,
                           std::span<const uint8_t, kReportDataSize> data) {
    HidReport request;
    request.setCommand(command);
    request.setPage(page);
    std::copy(data.begin(), data.end(), request.data().begin());
    request.setStoredSum(PageSum(data));
    HidReport reply;
    return exchange(request, reply);
}

bool DeviceLink::WriteConfigPage(uint16_t page, std::span<const uint8_t, kReportDataSize> data) {
    return writePage(DeviceCommand::WriteConfigPage, page, data);
}

bool DeviceLink::WriteFirmwarePage(uint16_t page, std::span<const uint8_t, kReportDataSize> data) {
    return writePage(DeviceCommand::WriteFirmwarePage, page, data);
}

bool DeviceLink::ReadConfigPage(uint16_t page, std::span<uint8_t, kReportDataSize> destination) {
    HidReport request;
    request.setCommand(DeviceCommand::ReadConfigPage);
    request.setPage(page);
    HidReport reply;
    if (!exchange(request, reply) || !reply.sumMatches()) {
        return false;
    }
    const auto data = reply.data();
    std::copy(data.begin(), data.end(), destination.begin());
    return true;
}

bool DeviceLink::QueryFirmwareVersion(Feedback& feedback) {
    HidReport request;
    request.setCommand(DeviceCommand::QueryVersion);
    HidReport reply;
    if (!exchange(request, reply)) {
        return false;
    }
    char text[64];
    std::snprintf(text, sizeof text, "Firmware version: %.2f", reply.version() * 0.01);
    feedback.plainMessage(text);
    return true;
}

}  // namespace korvex
