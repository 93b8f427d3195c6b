#pragma once
// The connection to the Korvex Mini: finding it among the HID interfaces, opening and closing
// it, and the four report exchanges. Every device action opens the link and closes it again.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "device/DeviceLock.h"
#include "device/HidReport.h"
#include "device/Transport.h"
#include "settings/Feedback.h"

namespace korvex {

inline constexpr uint16_t kKorvexVendorId = 0x0483;
inline constexpr uint16_t kKorvexProductId = 0xA04B;

// The match rule of the device search: the Korvex Mini's vendor and product id.
inline bool isKorvexInterface(const DeviceInterface& candidate) {
    return candidate.vendorId == kKorvexVendorId && candidate.productId == kKorvexProductId;
}

// Why the last exchange failed.
enum class ExchangeFailure {
    None,
    NotOpened,  // the device was found but could not be opened
    NotSent,    // the request did not go, the device still listed
    NoAnswer,   // no reply within the wait
    Refused,    // the reply carries another command code
    BadSum,     // a page arrived whose sum does not match its data
    Gone,       // the device is no longer listed
};

class DeviceLink {
  public:
    // Device locks are files in `lockFolder`; an empty folder leaves the device unlocked.
    explicit DeviceLink(TransportProvider& provider,
                        std::chrono::milliseconds replyTimeout = kReplyTimeout,
                        std::filesystem::path lockFolder = DeviceLock::lockFolder());

    // Opens the first interface with the Korvex Mini's vendor and product id and logs
    // "Korvex Mini found, ..." or "Korvex Mini not found.". True when it was found, even if it
    // could not be opened (then one more line says so and every exchange fails). The device's
    // lock is taken first and held until CloseDevice(); when another program holds it,
    // "Korvex Mini is in use by another program." follows the found line and the result is false.
    bool OpenDevice(Feedback& feedback);
    void CloseDevice();

    // One exchange each; false when the request did not go, no reply came in time, or the
    // reply does not answer the request.
    bool WriteConfigPage(uint16_t page, std::span<const uint8_t, kReportDataSize> data);
    // On false `destination` keeps its bytes.
    bool ReadConfigPage(uint16_t page, std::span<uint8_t, kReportDataSize> destination);
    bool WriteFirmwarePage(uint16_t page, std::span<const uint8_t, kReportDataSize> data);
    // Shows "Firmware version: 1.10" through feedback.plainMessage(); nothing on failure.
    bool QueryFirmwareVersion(Feedback& feedback);

    // From now on, a reply that has not come after `after` is waited for with
    // feedback.waiting("Waiting for the Korvex Mini to answer (at most 5 s)...") told through the
    // feedback of OpenDevice(), and "" once the wait is over. Zero: nothing is told.
    void noticeLongWaits(std::chrono::milliseconds after) { noticeAfter_ = after; }

    // Says what the page exchanges from now on are for (see TransferKind); sends nothing.
    void beginTransfer(TransferKind kind);

    // Why the last exchange failed, and that said in words: "the device refused the request",
    // "the device did not answer within 5 s", ...
    ExchangeFailure lastFailure() const { return lastFailure_; }
    std::string failureCause() const;

  private:
    bool exchange(const HidReport& request, HidReport& reply);
    // Waits for the reply as noticeLongWaits() asks.
    bool awaitReply(HidReport& reply);
    std::string waitText() const;
    // Gone when the opened interface is no longer listed, else `present`.
    ExchangeFailure unlessGone(ExchangeFailure present);
    bool writePage(DeviceCommand command, uint16_t page,
                   std::span<const uint8_t, kReportDataSize> data);

    TransportProvider& provider_;
    std::chrono::milliseconds replyTimeout_;
    std::filesystem::path lockFolder_;
    std::unique_ptr<DeviceLock> lock_;      // null while closed
    std::unique_ptr<Transport> transport_;  // null while closed or when it could not be opened
    DeviceInterface opened_;
    Feedback* feedback_ = nullptr;  // OpenDevice()'s, while open
    std::chrono::milliseconds noticeAfter_{0};
    ExchangeFailure lastFailure_ = ExchangeFailure::None;
};

}  // namespace korvex
