#include "UhidDevice.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace korvex::emulator {

namespace {

// One vendor-defined application collection with a 64-byte input and a 64-byte output report
// and no report ids.
constexpr uint8_t kReportDescriptor[] = {
    0x06, 0x00, 0xFF,  // Usage Page (vendor defined 0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x02,        //   Usage (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x40,        //   Report Count (64)
    0x81, 0x02,        //   Input (Data, Variable, Absolute)
    0x09, 0x03,        //   Usage (3)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x40,        //   Report Count (64)
    0x91, 0x02,        //   Output (Data, Variable, Absolute)
    0xC0,              // End Collection
};

constexpr uint16_t kBusUsb = 0x03;

bool writeEvent(int fd, const uhid_event& event) {
    ssize_t written;
    do {
        written = ::write(fd, &event, sizeof event);
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(sizeof event);
}

}  // namespace

UhidDevice::UhidDevice(const std::string& name, uint16_t vendorId, uint16_t productId) {
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        throw std::runtime_error(std::string("/dev/uhid: ") + std::strerror(errno));
    }
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    std::strncpy(reinterpret_cast<char*>(create.name), name.c_str(), sizeof create.name - 1);
    std::strncpy(reinterpret_cast<char*>(create.phys), "korvex-mini-emu", sizeof create.phys - 1);
    std::copy(std::begin(kReportDescriptor), std::end(kReportDescriptor), create.rd_data);
    create.rd_size = sizeof kReportDescriptor;
    create.bus = kBusUsb;
    create.vendor = vendorId;
    create.product = productId;
    create.version = 0x0200;
    if (!writeEvent(fd_, event)) {
        const std::string reason = std::strerror(errno);
        ::close(fd_);
        throw std::runtime_error("/dev/uhid: the device cannot be created: " + reason);
    }
}

UhidDevice::~UhidDevice() {
    uhid_event event{};
    event.type = UHID_DESTROY;
    writeEvent(fd_, event);
    ::close(fd_);
}

bool UhidDevice::sendInput(std::span<const uint8_t, kUhidReportSize> report) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    event.u.input2.size = kUhidReportSize;
    std::copy(report.begin(), report.end(), event.u.input2.data);
    return writeEvent(fd_, event);
}

// The kernel waits for an answer to a report request through the control channel (a hidraw
// feature ioctl); the device has no such reports, so it says so at once.
bool UhidDevice::refuseReportRequest(uint32_t type, uint32_t id) {
    uhid_event reply{};
    if (type == UHID_GET_REPORT) {
        reply.type = UHID_GET_REPORT_REPLY;
        reply.u.get_report_reply.id = id;
        reply.u.get_report_reply.err = EIO;
    } else {
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = id;
        reply.u.set_report_reply.err = EIO;
    }
    return writeEvent(fd_, reply);
}

bool UhidDevice::waitUntilStarted() {
    for (;;) {
        const Event event = nextEvent();
        if (event.kind == Event::Start) {
            return true;
        }
        if (event.kind == Event::Ended) {
            return false;
        }
    }
}

std::optional<UhidReport> UhidDevice::nextOutput() {
    for (;;) {
        const Event event = nextEvent();
        if (event.kind == Event::Output) {
            return event.report;
        }
        if (event.kind == Event::Ended) {
            return std::nullopt;
        }
    }
}

UhidDevice::Event UhidDevice::nextEvent() {
    uhid_event event{};
    const ssize_t got = ::read(fd_, &event, sizeof event);
    if (got <= 0) {
        // EINTR: a signal asks the emulator to stop; anything else: the node is unusable.
        return {Event::Ended};
    }
    switch (event.type) {
        case UHID_START:
            return {Event::Start};
        case UHID_OUTPUT: {
            // The host's write arrives with its report id 0 in front when it sent one.
            const auto& output = event.u.output;
            const size_t skip = output.size == kUhidReportSize + 1 && output.data[0] == 0 ? 1 : 0;
            if (output.rtype != UHID_OUTPUT_REPORT || output.size != kUhidReportSize + skip) {
                return {Event::Other};
            }
            Event result{Event::Output};
            std::copy_n(output.data + skip, kUhidReportSize, result.report.begin());
            return result;
        }
        case UHID_GET_REPORT:
            refuseReportRequest(UHID_GET_REPORT, event.u.get_report.id);
            return {Event::Other};
        case UHID_SET_REPORT:
            refuseReportRequest(UHID_SET_REPORT, event.u.set_report.id);
            return {Event::Other};
        default:
            return {Event::Other};
    }
}

}  // namespace korvex::emulator
