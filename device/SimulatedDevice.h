#pragma once
// A stand-in for the Korvex Mini: its EEPROM holds a configuration image, its flash takes firmware
// pages, and it answers the four report commands as the device does. Faults can be armed at a
// page of the next transfer. SimulatedBus presents simulated devices as HID interfaces, so the
// DeviceLink runs on them unchanged.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceLink.h"
#include "device/FirmwareUpload.h"
#include "device/HidReport.h"
#include "device/Transport.h"
#include "image/ConfigImage.h"

namespace korvex {

enum class SimulatedFault {
    Reject,   // the request is refused: the reply carries another command code
    BadSum,   // a page-read reply whose PageSum does not match its data
    Silent,   // no reply at all: the reader's wait runs out
    Unplug,   // the device is gone: this exchange and every later one fails
    Corrupt,  // a page write is acknowledged, but the page's first byte is stored changed
};

// "reject", "badsum", "silent", "unplug", "corrupt".
std::optional<SimulatedFault> simulatedFaultNamed(std::string_view name);

// "backup", "plan", "write", "verify", "read", "firmware".
std::optional<TransferKind> transferNamed(std::string_view name);

// A fault, the transfer it waits for (Unnamed: whichever comes first) and the zero-based page it
// strikes at.
struct SimulatedFaultAt {
    SimulatedFault fault = SimulatedFault::Reject;
    uint16_t page = 0;
    TransferKind transfer = TransferKind::Unnamed;
    bool operator==(const SimulatedFaultAt&) const = default;
};
// "KIND:PAGE" or "KIND:TRANSFER:PAGE" as --sim-fault takes it; anything else (and corrupt with a
// transfer that writes no configuration page) throws std::invalid_argument with a message that
// names the form, the kinds and the transfers.
SimulatedFaultAt parseSimulatedFault(std::string_view text);

class SimulatedDevice {
  public:
    static constexpr uint32_t kFreshFirmwareVersion = 110;
    static constexpr size_t kFlashSize = kFirmwareSize;
    static constexpr uint8_t kErasedFlash = 0xFF;

    // A fresh device: its EEPROM holds the image of the start-up settings.
    SimulatedDevice();
    explicit SimulatedDevice(const ConfigImage& eeprom);

    // The device kept in FOLDER/eeprom.bin and FOLDER/firmware.bin; a missing folder or file is
    // created fresh. Throws std::runtime_error for a file of the wrong size, an unwritable
    // folder or a FOLDER that is not a folder.
    static SimulatedDevice loadOrCreate(const std::filesystem::path& folder);
    void save(const std::filesystem::path& folder) const;
    // Takes EEPROM and flash from FOLDER as loadOrCreate() does; an armed fault, an unplugging
    // and the firmware version stay. Throws as loadOrCreate() does.
    void reloadMemories(const std::filesystem::path& folder);
    // Stores the page that the write `request`, which this device acknowledged, put into it in
    // the file of FOLDER that keeps that memory; other requests store nothing. False when the
    // page cannot be stored.
    bool keepWrittenPage(const std::filesystem::path& folder, const HidReport& request) const;
    // The folder it was loaded from (made absolute); empty for a device in memory only.
    const std::filesystem::path& folder() const { return folder_; }

    ConfigImage& eeprom() { return eeprom_; }
    const ConfigImage& eeprom() const { return eeprom_; }
    std::vector<uint8_t>& flash() { return flash_; }
    const std::vector<uint8_t>& flash() const { return flash_; }
    uint32_t firmwareVersion() const { return firmwareVersion_; }
    void setFirmwareVersion(uint32_t version) { firmwareVersion_ = version; }

    // Arms `fault` for the first request that carries page `page` (zero-based) in a transfer of
    // kind `transfer` (Unnamed: in any); Corrupt waits for the first write of that page. Reject,
    // BadSum, Silent and Corrupt strike once; Unplug stays until plugIn().
    void armFault(SimulatedFault fault, uint16_t page,
                  TransferKind transfer = TransferKind::Unnamed);
    void armFault(const SimulatedFaultAt& fault) {
        armFault(fault.fault, fault.page, fault.transfer);
    }
    // What the requests from now on are for, as the link says it. A device never told (behind
    // the kernel's HID stack) guesses: a configuration read that follows a configuration write
    // is the verify, any other the read, and such a read counts as a backup or plan read too.
    void transferBegins(TransferKind kind);
    void disarmFault() { fault_.reset(); }
    bool unplugged() const { return unplugged_; }
    void plugIn() { unplugged_ = false; }

    // The reply to one request, or nullopt when the device gives none. An unplugged device gives
    // none and takes nothing.
    std::optional<HidReport> answer(const HidReport& request);
    // Requests taken since creation.
    uint64_t requestCount() const { return requestCount_; }

  private:
    struct ArmedFault {
        SimulatedFault kind;
        uint16_t page;
        TransferKind transfer;
    };
    std::optional<SimulatedFault> strikingFault(const HidReport& request);
    void guessTransfer(const HidReport& request);
    bool inArmedTransfer() const;
    HidReport serve(const HidReport& request);

    std::filesystem::path folder_;
    ConfigImage eeprom_;
    std::vector<uint8_t> flash_;
    uint32_t firmwareVersion_ = kFreshFirmwareVersion;
    std::optional<ArmedFault> fault_;
    bool unplugged_ = false;
    uint64_t requestCount_ = 0;
    TransferKind transfer_ = TransferKind::Unnamed;
    bool transferTold_ = false;
    uint8_t lastPageCommand_ = 0;
};

// The HID interfaces of a machine with simulated devices plugged in, as a TransportProvider.
class SimulatedBus final : public TransportProvider {
  public:
    // How a reader waits for a reply that does not come; the default really sleeps.
    using Waiter = std::function<void(std::chrono::milliseconds)>;
    explicit SimulatedBus(Waiter waiter = {});

    // Presents `device` (which must outlive the bus) as the next interface; returns its path. A
    // device kept in a folder is named after the folder, so every program that simulates that
    // folder meets the same device lock; one in memory gets a name no other process uses.
    std::string plug(SimulatedDevice& device, uint16_t vendorId = kKorvexVendorId,
                     uint16_t productId = kKorvexProductId);
    // An interface that is listed but cannot be opened (a missing permission).
    void denyAccess(const std::string& path);

    // Listed in plugging order; unplugged devices are not listed.
    std::vector<DeviceInterface> enumerate() override;
    std::unique_ptr<Transport> open(const DeviceInterface& device) override;
    InterfaceAccess probe(const DeviceInterface& device) override;

  private:
    struct Slot {
        DeviceInterface interface;
        SimulatedDevice* device;
        bool accessible = true;
    };
    std::vector<Slot> slots_;
    Waiter waiter_;
};

}  // namespace korvex
