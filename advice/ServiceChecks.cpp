// The web and Telnet administration, and the telemetry parameter messages.
#include "advice/Findings.h"
#include "advice/StationValues.h"
#include "image/FieldEncodings.h"
#include "settings/Catalogue.h"
#include "settings/Presets.h"

namespace korvex {

namespace {

constexpr std::string_view kFactoryPassword = "qzvrt";

bool isDecimal(std::string_view text) {
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        text.remove_prefix(1);
    }
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

void checkTelemetryText(const Settings& settings, const std::string& name, Findings& found) {
    const std::string text = settings.text(name);
    const size_t limit = static_cast<size_t>(settingDef(name).editLimit);
    if (text.size() > limit) {
        found.add("telemetry-text-too-long", {name},
                  {quoted(text), std::to_string(text.size()), std::to_string(limit)});
    }
    const size_t separator = text.find_first_of(",|");
    if (separator != std::string::npos) {
        found.add("telemetry-text-separator", {name}, {quoted(text.substr(separator, 1))});
    }
}

}  // namespace

void checkAdministration(const Settings& settings, Findings& found) {
    std::optional<int> stored[2];
    int service = 0;
    for (const auto& [password, port] :
         {std::pair{"www_password", "www_port"}, std::pair{"telnet_password", "telnet_port"}}) {
        const std::string text = settings.text(password);
        if (text.empty()) {
            found.add("admin-password-default", {password}, {"empty"});
        } else if (text == kFactoryPassword) {
            found.add("admin-password-default", {password},
                      {"the factory " + quoted(kFactoryPassword)});
        }
        const auto entered = storedNumber(settings, port);
        if (entered) {
            const int kept = *entered & 0xFFFF;
            if (kept == 0) {
                found.add("admin-port-zero", {port}, {service == 0 ? "web" : "Telnet"});
            }
            if (kept != *entered) {
                found.add("admin-port-truncated", {port},
                          {std::to_string(*entered), std::to_string(kept)});
            }
            stored[service] = kept;
        }
        ++service;
    }
    if (stored[0] && stored[0] == stored[1]) {
        found.add("admin-ports-same", {"telnet_port", "www_port"}, {std::to_string(*stored[0])});
    }
}

void checkTelemetry(const Settings& settings, Findings& found) {
    if (settings.index("Tele_enable") != 1) {
        return;
    }
    for (int n = 1; n <= kAnalogChannels; ++n) {
        if (settings.index(numberedName("Teleanalog#_source", n)) <= 0) {
            continue;  // "Not used"
        }
        checkTelemetryText(settings, numberedName("Teleanalog#_name", n), found);
        checkTelemetryText(settings, numberedName("Teleanalog#_units", n), found);
        for (const char* coefficient :
             {"Teleanalog#_coefa", "Teleanalog#_coefb", "Teleanalog#_coefc"}) {
            const std::string name = numberedName(coefficient, n);
            const std::string text = settings.text(name);
            if (!text.empty() && !isDecimal(text)) {
                found.add("telemetry-coefficient-not-number", {name}, {quoted(text)});
            }
        }
    }
    for (int n = 1; n <= kDigitalChannels; ++n) {
        if (settings.index(numberedName("Teledigital#_source", n)) <= 0) {
            continue;
        }
        checkTelemetryText(settings, numberedName("Teledigital#_name", n), found);
        checkTelemetryText(settings, numberedName("Teledigital#_units", n), found);
    }
}

}  // namespace korvex
