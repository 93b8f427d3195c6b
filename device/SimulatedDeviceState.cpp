// What a simulated device holds when it is new, and its keeping in files between runs.

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "device/SimulatedDevice.h"
#include "image/StartupImage.h"

namespace korvex {

namespace {

// Every fresh device holds the start-up image stamped at this time, so they are all alike.
const FixedClock kFreshDeviceClock(UtcDateTime{2024, 1, 1, 0, 0, 0});

const std::filesystem::path kEepromFile = "eeprom.bin";
const std::filesystem::path kFlashFile = "firmware.bin";

// The file's bytes into `destination` when it exists; throws when its size is not exactly that.
bool loadExact(const std::filesystem::path& path, uint8_t* destination, size_t size) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    if (!in.is_open() || bytes.size() != size) {
        throw std::runtime_error(path.string() + ": expected " + std::to_string(size) + " bytes");
    }
    std::copy(bytes.begin(), bytes.end(), destination);
    return true;
}

void storeExact(const std::filesystem::path& path, const uint8_t* bytes, size_t size) {
    const auto temporary = std::filesystem::path(path).concat(".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        if (!out.flush()) {
            throw std::runtime_error(path.string() + ": cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        throw std::runtime_error(path.string() + ": cannot be written");
    }
}

}  // namespace

SimulatedDevice::SimulatedDevice() : SimulatedDevice(startupImage(kFreshDeviceClock)) {}

SimulatedDevice SimulatedDevice::loadOrCreate(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error)) {
        throw std::runtime_error(folder.string() +
                                 " is not a folder: the simulated device is kept in a folder");
    }
    ConfigImage eeprom;
    const bool hadEeprom = loadExact(folder / kEepromFile, eeprom.bytes.data(), kImageSize);
    SimulatedDevice device = hadEeprom ? SimulatedDevice(eeprom) : SimulatedDevice();
    const bool hadFlash = loadExact(folder / kFlashFile, device.flash_.data(), kFlashSize);
    if (!hadEeprom || !hadFlash) {
        device.save(folder);
    }
    error.clear();
    device.folder_ = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
    if (error) {
        device.folder_ = std::filesystem::absolute(folder);
    }
    return device;
}

void SimulatedDevice::reloadMemories(const std::filesystem::path& folder) {
    const SimulatedDevice kept = loadOrCreate(folder);
    eeprom_ = kept.eeprom_;
    flash_ = kept.flash_;
}

void SimulatedDevice::save(const std::filesystem::path& folder) const {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw std::runtime_error(folder.string() + ": cannot be created");
    }
    storeExact(folder / kEepromFile, eeprom_.bytes.data(), kImageSize);
    storeExact(folder / kFlashFile, flash_.data(), kFlashSize);
}

bool SimulatedDevice::keepWrittenPage(const std::filesystem::path& folder,
                                      const HidReport& request) const {
    const size_t offset = size_t{request.page()} * kReportDataSize;
    switch (static_cast<DeviceCommand>(request.command())) {
        case DeviceCommand::WriteConfigPage:
            try {
                storeExact(folder / kEepromFile, eeprom_.bytes.data(), kImageSize);
                return true;
            } catch (const std::runtime_error&) {
                return false;
            }
        case DeviceCommand::WriteFirmwarePage: {
            // In place: rewriting the whole flash for every page would cost too much.
            std::fstream flash(folder / kFlashFile,
                               std::ios::binary | std::ios::in | std::ios::out);
            flash.seekp(static_cast<std::streamoff>(offset));
            flash.write(reinterpret_cast<const char*>(flash_.data() + offset), kReportDataSize);
            return static_cast<bool>(flash.flush());
        }
        default:
            return true;
    }
}

}  // namespace korvex
