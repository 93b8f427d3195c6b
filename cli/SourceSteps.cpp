#include "cli/SourceSteps.h"

#include "sources/SettingsSource.h"

namespace korvex::cli {

bool SourceLoader::load(const std::string& word, SettingsStore& settings, Feedback& feedback) {
    const SettingsSource source = settingsSourceNamed(word);
    if (source.kind == SourceKind::Device && !device_) {
        device_ = std::make_unique<DeviceChoice>(arguments_);
    }
    // The device is only read: what a simulated one holds is not stored back.
    DeviceLink* link = source.kind == SourceKind::Device ? &device_->link() : nullptr;
    return loadSettingsSource(source, settings, feedback, SystemClock(), link);
}

}  // namespace korvex::cli
