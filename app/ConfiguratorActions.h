#pragma once
// The six actions of the main window's top row, over the core: each takes the settings, tells the
// user through Feedback and asks for files through FileChooser. Holds what lives for the whole
// run: the outgoing and incoming configuration images and the firmware buffer.

#include <filesystem>
#include <memory>

#include "app/DeviceAccess.h"
#include "device/ConfigTransfer.h"
#include "device/FirmwareUpload.h"
#include "image/ConfigImage.h"
#include "settings/Clock.h"
#include "settings/Feedback.h"
#include "settings/FileChooser.h"
#include "settings/Settings.h"

namespace korvex::app {

class ConfiguratorActions {
  public:
    ConfiguratorActions(Settings& settings, Feedback& feedback, FileChooser& chooser,
                        const Clock& clock, DeviceAccess& device,
                        std::filesystem::path programFolder);

    void readConfig();
    void writeConfig();
    void uploadFirmware();
    void saveToFile();
    void readFromFile();
    void buildRemoteUpdateFile();

    const ConfigImage& outgoing() const { return outgoing_; }
    const ConfigImage& incoming() const { return incoming_; }
    const FirmwareBuffer& firmware() const { return *firmware_; }
    // The backup and verify steps of "Write config", as the Device menu sets them.
    WriteSafety& writeSafety() { return writeSafety_; }

  private:
    // Runs a device action between the device's actionStarting() and actionFinished(), the
    // latter also when the action ends with an exception.
    template <typename Action>
    void withDevice(Action action);

    Settings& settings_;
    Feedback& feedback_;
    FileChooser& chooser_;
    const Clock& clock_;
    DeviceAccess& device_;
    std::filesystem::path programFolder_;
    ConfigImage outgoing_;
    ConfigImage incoming_;
    std::unique_ptr<FirmwareBuffer> firmware_;
    WriteSafety writeSafety_;
};

}  // namespace korvex::app
