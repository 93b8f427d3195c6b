#include "app/ConfiguratorActions.h"

#include "device/ConfigTransfer.h"
#include "files/ConfigFile.h"
#include "files/RemoteUpdate.h"

namespace korvex::app {

template <typename Action>
void ConfiguratorActions::withDevice(Action action) {
    device_.actionStarting();
    try {
        action(device_.link());
    } catch (...) {
        device_.actionFinished();
        throw;
    }
    device_.actionFinished();
}

ConfiguratorActions::ConfiguratorActions(Settings& settings, Feedback& feedback,
                                         FileChooser& chooser, const Clock& clock,
                                         DeviceAccess& device, std::filesystem::path programFolder)
    : settings_(settings),
      feedback_(feedback),
      chooser_(chooser),
      clock_(clock),
      device_(device),
      programFolder_(std::move(programFolder)),
      firmware_(std::make_unique<FirmwareBuffer>()) {}

void ConfiguratorActions::readConfig() {
    withDevice([&](DeviceLink& link) { ReadConfig(link, incoming_, settings_, feedback_); });
}

void ConfiguratorActions::writeConfig() {
    withDevice([&](DeviceLink& link) {
        WriteConfig(link, outgoing_, settings_, feedback_, clock_, writeSafety_);
    });
}

void ConfiguratorActions::uploadFirmware() {
    withDevice([&](DeviceLink& link) {
        UploadFirmware(link, *firmware_, feedback_, chooser_, programFolder_);
    });
}

void ConfiguratorActions::saveToFile() {
    SaveToFile(settings_, feedback_, chooser_, programFolder_);
}

void ConfiguratorActions::readFromFile() {
    ReadFromFile(settings_, feedback_, chooser_, programFolder_);
}

void ConfiguratorActions::buildRemoteUpdateFile() {
    BuildRemoteUpdateFile(outgoing_, settings_, feedback_, chooser_, clock_, programFolder_);
}

}  // namespace korvex::app
