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
    ConfigImage eeprom;
    const bool hadEeprom = loadExact(folder / kEepromFile, eeprom.bytes.data(), kImageSize);
    SimulatedDevice device = hadEeprom ? SimulatedDevice(eeprom) : SimulatedDevice();
    const bool hadFlash = loadExact(folder / kFlashFile, device.flash_.data(), kFlashSize);
    if (!hadEeprom || !hadFlash) {
        device.save(folder);
    }
    std::error_code error;
    device.folder_ = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
    if (error) {
        device.folder_ = std::filesystem::absolute(folder);
    }
    return device;
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

}  // namespace korvex
