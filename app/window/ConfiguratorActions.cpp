#include "app/window/ConfiguratorActions.h"

#include <QStringList>
#include <system_error>
#include <utility>

#include "advice/StationCheck.h"
#include "app/seams/Latin1.h"

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

namespace {

// The longest list the question shows; the log holds the whole of it.
constexpr size_t kQuestionLines = 20;

QString writeQuestionText(const WritePlan* plan, bool startup) {
    QStringList lines;
    if (startup) {
        lines << QStringLiteral(
            "The window still holds the settings it started with: nothing was read from the "
            "device or loaded from a file since.");
    }
    if (!plan) {
        lines << QStringLiteral(
            "Write config will replace every setting on the device (no backup was read to "
            "compare with).");
        return lines.join(QLatin1Char('\n'));
    }
    if (!plan->changes.empty()) {
        lines << QStringLiteral("Write config will change %1 on the device:")
                     .arg(fromLatin1(settingCount(plan->changes.size())));
        const auto changes = planChangeLines(*plan);
        for (size_t i = 0; i < changes.size() && i < kQuestionLines; ++i) {
            lines << fromLatin1(changes[i]);
        }
        if (changes.size() > kQuestionLines) {
            lines << QStringLiteral("... and %1 more (the log lists them all).")
                         .arg(changes.size() - kQuestionLines);
        }
    }
    if (plan->setsClock) {
        lines << fromLatin1(clockLine(*plan));
    }
    if (!plan->notComparable.empty()) {
        lines << fromLatin1(plan->notComparable);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

bool ConfiguratorActions::readConfig() {
    const bool read = ReadConfig(device_.link(), incoming_, settings_, feedback_);
    holdsStartupSettings_ = holdsStartupSettings_ && !read;
    return read;
}

bool ConfiguratorActions::writeConfig() {
    logStationCheck();
    const bool written =
        WriteConfig(device_.link(), outgoing_, settings_, feedback_, clock_, writeSafety_);
    holdsStartupSettings_ = holdsStartupSettings_ && !written;
    return written;
}

WriteConfirmation ConfiguratorActions::writeConfirmation(bool confirmChanges) {
    return [this, confirmChanges](const WritePlan* plan) {
        const bool startup = holdsStartupSettings_;
        if (!question_ || (!startup && (!confirmChanges || !plan))) {
            return true;
        }
        return question_(writeQuestionText(plan, startup));
    };
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
    holdsStartupSettings_ = holdsStartupSettings_ && !loaded;
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
