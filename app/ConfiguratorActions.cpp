#include "app/ConfiguratorActions.h"

#include <system_error>
#include <utility>

#include "advice/StationCheck.h"
#include "device/ConfigTransfer.h"
#include "files/ConfigFile.h"
#include "files/RemoteUpdate.h"

namespace korvex::app {

// Passes every dialog on and notes the path last chosen, so that an action can name its file.
class ConfiguratorActions::NotingChooser final : public FileChooser {
  public:
    explicit NotingChooser(FileChooser& chooser) : chooser_(chooser) {}

    std::optional<std::filesystem::path> openFile(
        std::string_view filter, const std::filesystem::path& initialFolder) override {
        return noted(chooser_.openFile(filter, initialFolder));
    }
    std::optional<std::filesystem::path> saveFile(std::string_view filter,
                                                  const std::filesystem::path& initialFolder,
                                                  std::string_view proposedName) override {
        return noted(chooser_.saveFile(filter, initialFolder, proposedName));
    }

    // The last path chosen since the previous call.
    std::optional<std::filesystem::path> takeLast() { return std::exchange(last_, std::nullopt); }

  private:
    std::optional<std::filesystem::path> noted(std::optional<std::filesystem::path> chosen) {
        last_ = chosen;
        return chosen;
    }

    FileChooser& chooser_;
    std::optional<std::filesystem::path> last_;
};

ConfiguratorActions::ConfiguratorActions(Settings& settings, Feedback& feedback,
                                         FileChooser& chooser, const Clock& clock,
                                         DeviceAccess& device, std::filesystem::path programFolder)
    : settings_(settings),
      feedback_(feedback),
      chooser_(std::make_unique<NotingChooser>(chooser)),
      clock_(clock),
      device_(device),
      programFolder_(std::move(programFolder)),
      firmware_(std::make_unique<FirmwareBuffer>()) {}

ConfiguratorActions::~ConfiguratorActions() = default;

bool ConfiguratorActions::readConfig() {
    return ReadConfig(device_.link(), incoming_, settings_, feedback_);
}

bool ConfiguratorActions::writeConfig() {
    logStationCheck();
    return WriteConfig(device_.link(), outgoing_, settings_, feedback_, clock_, writeSafety_);
}

void ConfiguratorActions::logStationCheck() {
    const StationCheck check = checkStation(settings_, clock_);
    if (check.passed && !check.advice.empty()) {
        feedback_.log("Station check: " + adviceSummary(check.advice) +
                      " (Device > Check station...)");
    }
}

void ConfiguratorActions::uploadFirmware() {
    UploadFirmware(device_.link(), *firmware_, feedback_, *chooser_, programFolder_);
}

std::optional<std::filesystem::path> ConfiguratorActions::saveToFile() {
    chooser_->takeLast();
    const bool saved = SaveToFile(settings_, feedback_, *chooser_, programFolder_);
    auto file = chooser_->takeLast();
    return saved ? file : std::nullopt;
}

std::optional<std::filesystem::path> ConfiguratorActions::readFromFile() {
    chooser_->takeLast();
    const bool loaded = ReadFromFile(settings_, feedback_, *chooser_, programFolder_);
    auto file = chooser_->takeLast();
    return loaded ? file : std::nullopt;
}

std::optional<RemoteUpdateWritten> ConfiguratorActions::buildRemoteUpdateFile() {
    chooser_->takeLast();
    const bool written =
        BuildRemoteUpdateFile(outgoing_, settings_, feedback_, *chooser_, clock_, programFolder_);
    // The destination is the last file chosen; its size tells how much firmware it carries.
    const auto destination = chooser_->takeLast();
    if (!written || !destination) {
        return std::nullopt;
    }
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(*destination, error);
    if (error || size < kRemoteFirmwareOffset) {
        return std::nullopt;
    }
    return RemoteUpdateWritten{*destination, size - kRemoteFirmwareOffset};
}

}  // namespace korvex::app
