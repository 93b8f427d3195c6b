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
    opened_ = *korvex;
    feedback_ = &feedback;
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
    feedback_ = nullptr;
    transport_.reset();
    lock_.reset();
}

void DeviceLink::beginTransfer(TransferKind kind) {
    if (transport_) {
        transport_->transferBegins(kind);
    }
}

ExchangeFailure DeviceLink::unlessGone(ExchangeFailure present) {
    const auto listed = provider_.enumerate();
    return std::find(listed.begin(), listed.end(), opened_) == listed.end() ? ExchangeFailure::Gone
                                                                            : present;
}

bool DeviceLink::exchange(const HidReport& request, HidReport& reply) {
    lastFailure_ = ExchangeFailure::None;
    if (!transport_) {
        lastFailure_ = ExchangeFailure::NotOpened;
    } else if (!transport_->write(request)) {
        lastFailure_ = unlessGone(ExchangeFailure::NotSent);
    } else if (!awaitReply(reply)) {
        lastFailure_ = unlessGone(ExchangeFailure::NoAnswer);
    } else if (reply.command() != request.command()) {
        lastFailure_ = ExchangeFailure::Refused;
    }
    return lastFailure_ == ExchangeFailure::None;
}

bool DeviceLink::awaitReply(HidReport& reply) {
    if (!feedback_ || noticeAfter_.count() <= 0 || noticeAfter_ >= replyTimeout_) {
        return transport_->read(reply, replyTimeout_);
    }
    if (transport_->read(reply, noticeAfter_)) {
        return true;
    }
    if (unlessGone(ExchangeFailure::NoAnswer) == ExchangeFailure::Gone) {
        return false;
    }
    feedback_->waiting("Waiting for the Korvex Mini to answer (at most " + waitText() + ")...");
    const bool replied = transport_->read(reply, replyTimeout_ - noticeAfter_);
    feedback_->waiting("");
    return replied;
}

std::string DeviceLink::waitText() const {
    return replyTimeout_.count() % 1000 == 0 ? std::to_string(replyTimeout_.count() / 1000) + " s"
                                             : std::to_string(replyTimeout_.count()) + " ms";
}

std::string DeviceLink::failureCause() const {
    const auto wait = waitText();
    switch (lastFailure_) {
        case ExchangeFailure::None:
            break;
        case ExchangeFailure::NotOpened:
            return "the device could not be opened";
        case ExchangeFailure::NotSent:
            return "the request could not be sent to the device";
        case ExchangeFailure::NoAnswer:
            return "the device did not answer within " + wait;
        case ExchangeFailure::Refused:
            return "the device refused the request";
        case ExchangeFailure::BadSum:
            return "the page arrived damaged (its sum did not match)";
        case ExchangeFailure::Gone:
            return "the device is gone (unplugged?)";
    }
    return "the exchange did not fail";
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
    if (!exchange(request, reply)) {
        return false;
    }
    if (!reply.sumMatches()) {
        lastFailure_ = ExchangeFailure::BadSum;
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
