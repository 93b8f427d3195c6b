#include "advice/FilterTerms.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace korvex {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// A decimal number: an optional sign, digits, and an optional fraction.
std::optional<double> decimal(std::string_view text) {
    if (text.empty() || text.size() > 16) {
        return std::nullopt;
    }
    size_t digits = 0;
    bool point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '-' || c == '+') && i == 0) {
            continue;
        }
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool latitude(std::string_view text) {
    const auto value = decimal(text);
    return value && *value >= -90 && *value <= 90;
}

bool longitude(std::string_view text) {
    const auto value = decimal(text);
    return value && *value >= -180 && *value <= 180;
}

bool distance(std::string_view text) {
    const auto value = decimal(text);
    return value && *value > 0;
}

bool name(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c <= '~'; });
}

bool names(const std::vector<std::string_view>& parts) {
    return parts.size() >= 2 && std::all_of(parts.begin() + 1, parts.end(), name);
}

bool onlyOf(std::string_view text, std::string_view allowed) {
    return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
}

}  // namespace

bool isFilterTerm(std::string_view term) {
    if (!term.empty() && term[0] == '-') {
        term.remove_prefix(1);
    }
    const std::vector<std::string_view> parts = split(term, '/');
    if (parts.size() < 2) {
        return false;
    }
    const std::string_view command = parts[0];
    if (command == "r") {
        return parts.size() == 4 && latitude(parts[1]) && longitude(parts[2]) && distance(parts[3]);
    }
    if (command == "a") {
        return parts.size() == 5 && latitude(parts[1]) && longitude(parts[2]) &&
               latitude(parts[3]) && longitude(parts[4]) &&
               *decimal(parts[1]) >= *decimal(parts[3]) && *decimal(parts[2]) <= *decimal(parts[4]);
    }
    if (command == "m") {
        return parts.size() == 2 && distance(parts[1]);
    }
    if (command == "f") {
        return parts.size() == 3 && name(parts[1]) && distance(parts[2]);
    }
    if (command == "p" || command == "b" || command == "o" || command == "os" || command == "d" ||
        command == "e" || command == "g" || command == "u") {
        return names(parts);
    }
    if (command == "t") {
        const bool types = onlyOf(parts[1], "poimqstunw");
        return types &&
               (parts.size() == 2 || (parts.size() == 4 && name(parts[2]) && distance(parts[3])));
    }
    if (command == "s") {
        // Primary symbols, alternate symbols, overlays: any may be empty, not all.
        return parts.size() <= 4 &&
               std::any_of(parts.begin() + 1, parts.end(),
                           [](std::string_view part) { return !part.empty(); }) &&
               std::all_of(parts.begin() + 1, parts.end(),
                           [](std::string_view part) { return part.empty() || name(part); });
    }
    if (command == "q") {
        return (parts.size() == 2 || (parts.size() == 3 && parts[2] == "I")) &&
               onlyOf(parts[1], "CXUoOSrRZI");
    }
    return false;
}

std::vector<std::string> badFilterTerms(std::string_view filter) {
    std::vector<std::string> bad;
    for (const std::string_view term : split(filter, ' ')) {
        if (!term.empty() && !isFilterTerm(term)) {
            bad.emplace_back(term);
        }
    }
    return bad;
}

}  // namespace korvex
