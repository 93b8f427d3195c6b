#include "device/ConfigTransfer.h"

#include <algorithm>
#include <optional>
#include <string>

#include "device/WriteVerify.h"
#include "files/Backups.h"
#include "image/Codec.h"
#include "image/Layout.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace korvex {

namespace {

constexpr int kPages = static_cast<int>(kPageCount);

// "Page read: 3/192": page numbers count from 1.
std::string pageLine(const char* prefix, size_t page) {
    return prefix + std::to_string(page + 1) + "/" + std::to_string(kPages);
}

// The pages from this one on hold no setting (the settings end at offset 2004).
constexpr size_t kFirstPageWithoutSettings = (kSettingsEnd + kPageSize - 1) / kPageSize;

// "The read stopped at page 8: the device refused the request."
std::string stopLine(const char* what, size_t page, const DeviceLink& link) {
    return std::string("The ") + what + " stopped at page " + std::to_string(page + 1) + ": " +
           link.failureCause() + ".";
}

// Reads every page into `incoming`, stopping at the first that fails. Returns the number of pages
// read.
size_t readPages(DeviceLink& link, ConfigImage& incoming, Feedback& feedback) {
    link.beginTransfer(TransferKind::Read);
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.ReadConfigPage(static_cast<uint16_t>(page), incoming.page(page))) {
            feedback.log(pageLine("Page read error: ", page));
            return page;
        }
        feedback.log(pageLine("Page read: ", page));
        feedback.progressStep();
    }
    feedback.progressReset();
    return kPageCount;
}

// Writes every page of `outgoing`, stopping at the first that fails. Returns the number of pages
// written.
size_t writePages(DeviceLink& link, const ConfigImage& outgoing, Feedback& feedback) {
    link.beginTransfer(TransferKind::Write);
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.WriteConfigPage(static_cast<uint16_t>(page), outgoing.page(page))) {
            feedback.log(pageLine("Page write error: ", page));
            return page;
        }
        feedback.log(pageLine("Page written: ", page));
        feedback.progressStep();
    }
    feedback.log("Eeprom write success");
    feedback.progressReset();
    return kPageCount;
}

// Reads every page into `image` without a line per page; on a failure logs PREFIX n/192. Returns
// the number of pages read.
size_t readQuietly(DeviceLink& link, ConfigImage& image, Feedback& feedback, const char* prefix,
                   TransferKind kind) {
    link.beginTransfer(kind);
    feedback.progressBegin(kPages);
    for (size_t page = 0; page < kPageCount; ++page) {
        if (!link.ReadConfigPage(static_cast<uint16_t>(page), image.page(page))) {
            feedback.log(pageLine(prefix, page));
            return page;
        }
        feedback.progressStep();
    }
    feedback.progressReset();
    return kPageCount;
}

void logPlan(const WritePlan& plan, Feedback& feedback) {
    if (plan.nothingChanges()) {
        feedback.log("The device already holds these settings.");
        return;
    }
    if (!plan.changes.empty()) {
        feedback.log("Write config will change " + settingCount(plan.changes.size()) + ":");
        for (const auto& line : planChangeLines(plan)) {
            feedback.log("  " + line);
        }
    }
    if (plan.setsClock) {
        feedback.log(clockLine(plan));
    }
    if (!plan.notComparable.empty()) {
        feedback.log(plan.notComparable);
    }
}

// One write action after the device was opened: what it read, kept and was told.
class WriteFlow {
  public:
    WriteFlow(DeviceLink& link, const WriteSafety& safety, Feedback& feedback, const Clock& clock,
              WriteFailure* failure)
        : link_(link), safety_(safety), feedback_(feedback), clock_(clock), failure_(failure) {}

    // The backup or compare read and its plan, the question, the pages, the verify.
    bool run(const ConfigImage& outgoing, const Settings& settings) {
        if (safety_.backup || safety_.dryRun || safety_.confirm) {
            if (!readCurrent(settings)) {
                return false;
            }
            if (plan_->nothingChanges()) {
                return true;
            }
        }
        if (!safety_.backup && !safety_.dryRun && !safety_.backupOffSwitch.empty()) {
            feedback_.log("No backup made (" + safety_.backupOffSwitch + ").");
        }
        if (safety_.dryRun) {
            feedback_.log("Dry run: nothing was written to the device.");
            return true;
        }
        if (safety_.confirm && !safety_.confirm(plan_ ? &*plan_ : nullptr)) {
            feedback_.log("Write config cancelled: nothing was written to the device.");
            return false;
        }
        const size_t written = writePages(link_, outgoing, feedback_);
        if (written < kPageCount) {
            feedback_.log(stopLine("write", written, link_));
            return failed(untouched(outgoing, written) ? DeviceAfterWrite::Untouched
                                                       : DeviceAfterWrite::PartlyWritten,
                          {});
        }
        if (safety_.verify) {
            return verify(outgoing);
        }
        if (!safety_.verifyOffSwitch.empty()) {
            feedback_.log("Not verified (" + safety_.verifyOffSwitch + ").");
        }
        return true;
    }

  private:
    // The device's image before the write, its plan, and the backup of it when the write will
    // change something. False when the write must not go on.
    bool readCurrent(const Settings& settings) {
        const bool keep = safety_.backup && !safety_.dryRun;
        const char* prefix = safety_.dryRun ? "Dry run page read error: "
                             : keep         ? "Backup page read error: "
                                            : "Compare page read error: ";
        ConfigImage image;
        const size_t read = readQuietly(link_, image, feedback_, prefix,
                                        keep ? TransferKind::Backup : TransferKind::Plan);
        if (read < kPageCount) {
            if (safety_.dryRun) {
                feedback_.log("Dry run: the device's image could not be read.");
                feedback_.log(stopLine("read", read, link_));
                return false;
            }
            if (keep) {
                feedback_.log("Backup failed: nothing was written to the device.");
                return failed(DeviceAfterWrite::Untouched,
                              stopLine("backup read", read, link_) +
                                  " Nothing was written to the device; it still holds the "
                                  "configuration it held before.");
            }
            // Only asked to compare: the question still comes, saying that nothing could be.
            feedback_.log(stopLine("read to compare", read, link_));
            plan_ = WritePlan{};
            plan_->notComparable =
                "The device's image could not be read: nothing could be compared.";
            return true;
        }
        current_ = image;
        plan_ = planWrite(image, settings);
        if (keep && !plan_->nothingChanges()) {
            backup_ = saveBackup(image, safety_.backupFolder, clock_, feedback_);
            if (!backup_) {
                return failed(DeviceAfterWrite::Untouched,
                              "The backup could not be kept in " + safety_.backupFolder.string() +
                                  ". Nothing was written to the device; it still holds the "
                                  "configuration it held before.");
            }
        }
        logPlan(*plan_, feedback_);
        return true;
    }

    // Whether the pages that may have been stored before the write stopped hold what the device
    // held anyway. A page that got no answer may have been stored; one refused or never sent
    // was not.
    bool untouched(const ConfigImage& outgoing, size_t written) const {
        const size_t mayHold = written + (link_.lastFailure() == ExchangeFailure::NoAnswer ? 1 : 0);
        if (!current_) {
            return mayHold == 0;
        }
        for (size_t page = 0; page < mayHold && page < kPageCount; ++page) {
            if (!std::equal(outgoing.page(page).begin(), outgoing.page(page).end(),
                            current_->page(page).begin())) {
                return false;
            }
        }
        return true;
    }

    bool verify(const ConfigImage& outgoing) {
        ConfigImage readBack;
        const size_t read =
            readQuietly(link_, readBack, feedback_, "Page verify error: ", TransferKind::Verify);
        if (read < kPageCount) {
            feedback_.log(stopLine("verify", read, link_));
            return failed(
                DeviceAfterWrite::WrittenButDifferent,
                "Every page was written, but the device could not be read back to "
                "verify them. Read config to see what it holds" +
                    (backup_ ? "; the settings it held before are in " + backup_->string() + "."
                             : std::string(".")));
        }
        for (const auto& line : verifyLines(outgoing, readBack)) {
            feedback_.log(line);
        }
        if (outgoing == readBack) {
            return true;
        }
        return failed(
            DeviceAfterWrite::WrittenButDifferent,
            "The device does not hold what was written. Write config again" +
                (backup_ ? "; the settings it held before are in " + backup_->string() + "."
                         : std::string(".")));
    }

    // Tells the failure (the state's own text unless `text` is given) and keeps it for the
    // caller. Always false.
    bool failed(DeviceAfterWrite state, std::string text) {
        if (text.empty()) {
            text = state == DeviceAfterWrite::Untouched
                       ? "The device still holds the configuration it held before: the write "
                         "changed nothing on it."
                       : "The device now holds a partly written configuration that it will not "
                         "accept: " +
                             (backup_ ? "restore the backup kept before this write (" +
                                            backup_->string() + ") or write again."
                                      : std::string("write again."));
        }
        WriteFailure failure{state, std::move(text), backup_.value_or(std::filesystem::path())};
        feedback_.writeFailed(failure);
        if (failure_) {
            *failure_ = std::move(failure);
        }
        return false;
    }

    DeviceLink& link_;
    const WriteSafety& safety_;
    Feedback& feedback_;
    const Clock& clock_;
    WriteFailure* failure_;
    std::optional<ConfigImage> current_;
    std::optional<WritePlan> plan_;
    std::optional<std::filesystem::path> backup_;
};

}  // namespace

WriteSafety defaultWriteSafety() {
    return WriteSafety{.backup = true, .backupFolder = defaultBackupsFolder(), .verify = true};
}

bool ReadConfig(DeviceLink& link, ConfigImage& incoming, Settings& settings, Feedback& feedback,
                bool* damaged) {
    if (damaged) {
        *damaged = false;
    }
    incoming.clear();
    if (!link.OpenDevice(feedback)) {
        link.CloseDevice();
        return false;
    }
    const size_t pagesRead = readPages(link, incoming, feedback);
    link.CloseDevice();

    if (!incoming.checksumMatches()) {
        feedback.log("Eeprom checksum error. Please reload configuration.");
        feedback.log(pagesRead < kPageCount ? stopLine("read", pagesRead, link)
                                            : std::string(kDamagedDeviceLine));
        if (damaged) {
            *damaged = pagesRead == kPageCount;
        }
        return false;
    }
    const bool decoded = DecodeConfigImage(incoming, settings, feedback);
    feedback.log(decoded ? "Eeprom read success."
                         : "Eeprom read error. Please reload configuration.");
    if (pagesRead < kPageCount) {
        feedback.log(pagesRead >= kFirstPageWithoutSettings
                         ? "Pages " + std::to_string(pagesRead + 1) + " to " +
                               std::to_string(kPages) + " were not read; they hold no settings."
                         : stopLine("read", pagesRead, link));
    }

    if (link.OpenDevice(feedback)) {
        link.QueryFirmwareVersion(feedback);
    }
    link.CloseDevice();
    return decoded;
}

bool WriteConfig(DeviceLink& link, ConfigImage& outgoing, Settings& settings, Feedback& feedback,
                 const Clock& clock, const WriteSafety& safety, WriteFailure* failure) {
    if (settings.checked("Uploadpctime")) {
        CopyPcTime(settings, clock);
    }
    if (!EncodeConfigImage(outgoing, settings, feedback, clock)) {
        return false;
    }
    const bool written = link.OpenDevice(feedback) &&
                         WriteFlow(link, safety, feedback, clock, failure).run(outgoing, settings);
    link.CloseDevice();
    return written;
}

std::optional<ConfigImage> ReadImage(DeviceLink& link, Feedback& feedback) {
    std::optional<ConfigImage> image;
    if (link.OpenDevice(feedback)) {
        image.emplace();
        const size_t read =
            readQuietly(link, *image, feedback, "Page read error: ", TransferKind::Read);
        if (read < kPageCount) {
            feedback.log(stopLine("read", read, link));
            image.reset();
        }
    }
    link.CloseDevice();
    return image;
}

bool RestoreImage(DeviceLink& link, const ConfigImage& image, Settings& settings,
                  Feedback& feedback, const Clock& clock, const WriteSafety& safety,
                  WriteFailure* failure) {
    // Its version first, with the decoder's own message, then its checksum; only an image that
    // passes both reaches the settings.
    ConfigImage decoded = image;
    SettingsStore scratch;
    if (!DecodeConfigImage(decoded, scratch, feedback)) {
        feedback.log("The backup's image is not restored: nothing was written to the device.");
        return false;
    }
    if (!image.checksumMatches()) {
        feedback.log("The backup's image has a bad checksum: it is not restored.");
        return false;
    }
    decoded = image;
    SilentFeedback quiet;
    DecodeConfigImage(decoded, settings, quiet);
    // The clock fields are not decoded; the backup's own are what will be written.
    for (const FieldRow& row : layout()) {
        if (row.kind == RowKind::ClockNumber) {
            uint32_t value = 0;
            for (size_t i = row.width; i-- > 0;) {
                value = value << 8 | image.bytes[row.offset + i];
            }
            settings.setText(row.setting, std::to_string(value));
        }
    }
    const bool written = link.OpenDevice(feedback) &&
                         WriteFlow(link, safety, feedback, clock, failure).run(image, settings);
    link.CloseDevice();
    return written;
}

}  // namespace korvex
