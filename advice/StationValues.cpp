#include "advice/StationValues.h"

#include <cctype>

#include "image/FieldEncodings.h"
#include "settings/IntegerRule.h"

namespace korvex {

std::string storedCall(const Settings& settings, std::string_view name) {
    std::string call = upperCased(settings.text(name));
    while (!call.empty() && call.back() == ' ') {
        call.pop_back();
    }
    return call;
}

std::optional<int> storedNumber(const Settings& settings, std::string_view name) {
    const auto value = parseInteger(settings.text(name));
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string numberedName(std::string_view pattern, int n) {
    std::string name(pattern);
    const auto hash = name.find('#');
    if (hash != std::string::npos) {
        name.replace(hash, 1, std::to_string(n));
    }
    return name;
}

bool usesAprsis(const Settings& settings) {
    for (int n = 1; n <= 3; ++n) {
        if (!trimmed(settings.text(numberedName("Aprsis#_servername", n))).empty()) {
            return true;
        }
    }
    return false;
}

std::string PathElement::text() const {
    return ssid == 0 ? call : call + "-" + std::to_string(ssid);
}

bool PathElement::isNewN() const {
    if (call.size() < 2) {
        return false;
    }
    const char n = call.back();
    if (n < '1' || n > '7') {
        return false;
    }
    for (size_t i = 0; i + 1 < call.size(); ++i) {
        if (call[i] < 'A' || call[i] > 'Z') {
            return false;
        }
    }
    return true;
}

int PathElement::hops() const {
    if (call.empty()) {
        return 0;
    }
    return isNewN() ? ssid : 1;
}

PathElement pathElement(const Settings& settings, std::string_view call, std::string_view ssid) {
    PathElement element{storedCall(settings, call), 0};
    if (!element.call.empty()) {
        element.ssid = storedNumber(settings, ssid).value_or(0);
    }
    return element;
}

}  // namespace korvex
