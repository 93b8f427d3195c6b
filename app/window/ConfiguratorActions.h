#pragma once
// The six actions of the main window's top row, over the core: each takes the settings, tells the
// user through Feedback and asks for files through FileChooser. Holds what lives for the whole
// run: the outgoing and incoming configuration images and the firmware buffer.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/seams/DeviceAccess.h"
#include "device/ConfigTransfer.h"
#include "device/FirmwareUpload.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/Settings.h"

namespace korvex::app {

// A remote update file that was written.
struct RemoteUpdateWritten {
    std::filesystem::path file;
    uintmax_t firmwareBytes = 0;
};

class ConfiguratorActions {
  public:
    ConfiguratorActions(Settings& settings, Feedback& feedback, FileChooser& chooser,
                        const Clock& clock, DeviceAccess& device,
                        std::filesystem::path programFolder);
    ~ConfiguratorActions();

    // True when the settings were read from the device ("Eeprom read success.").
    bool readConfig();
    // True when every page was written ("Eeprom write success"). Once the checks of the write
    // have passed, and before the device is opened, the station check's line is logged.
    bool writeConfig();
    void uploadFirmware();
    // The file saved or loaded; nullopt when cancelled, refused or failed.
    std::optional<std::filesystem::path> saveToFile();
    std::optional<std::filesystem::path> readFromFile();
    std::optional<RemoteUpdateWritten> buildRemoteUpdateFile();

    // "Station check: 3 warnings, 2 notes (Device > Check station...)" when the settings pass
    // the checks of "Write config" and draw advice; nothing otherwise.
    void logStationCheck();

    const ConfigImage& outgoing() const { return outgoing_; }
    const ConfigImage& incoming() const { return incoming_; }
    const FirmwareBuffer& firmware() const { return *firmware_; }
    // The backup and verify steps of "Write config", as the Device menu sets them.
    WriteSafety& writeSafety() { return writeSafety_; }

    // The question asked before the first page of a write: true to write, false to cancel.
    using WriteQuestion = std::function<bool(const QString& text)>;
    void setWriteQuestion(WriteQuestion question) { question_ = std::move(question); }
    // For writeSafety().confirm: asks when the window still holds its start-up settings, and
    // when `confirmChanges` and the plan lists what the write will change.
    WriteConfirmation writeConfirmation(bool confirmChanges);
    // Nothing was read, loaded or written since the window started.
    bool holdsStartupSettings() const { return holdsStartupSettings_; }
    // Settings were loaded other than by the buttons (the compare dialog's "Load file").
    void noteSettingsLoaded() { holdsStartupSettings_ = false; }

  private:
    class NotingChooser;

    Settings& settings_;
    Feedback& feedback_;
    std::unique_ptr<NotingChooser> chooser_;
    const Clock& clock_;
    DeviceAccess& device_;
    std::filesystem::path programFolder_;
    ConfigImage outgoing_;
    ConfigImage incoming_;
    std::unique_ptr<FirmwareBuffer> firmware_;
    WriteSafety writeSafety_;
    WriteQuestion question_;
    bool holdsStartupSettings_ = true;
};

}  // namespace korvex::app
