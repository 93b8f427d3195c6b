#include "advice/BeaconText.h"

#include <array>
#include <cstdio>

namespace korvex {

namespace {

struct SpecialString {
    std::string_view placeholder;
    enum What { Latitude, Longitude, Date, Volt } what;
};

constexpr std::array<SpecialString, 7> kCard = {{
    {"<lat>", SpecialString::Latitude},
    {"<long>", SpecialString::Longitude},
    {"<date>", SpecialString::Date},
    {"<volt>", SpecialString::Volt},
    {"<gpslat>", SpecialString::Latitude},
    {"<gpslong>", SpecialString::Longitude},
    {"<gpsdate>", SpecialString::Date},
}};

// The APRS data type identifiers in use, and those reserved for formats yet to come.
constexpr std::string_view kDataTypes = "!#$%')*,/:;<=>?@T[_`{}";
constexpr std::string_view kReservedDataTypes = "&+.";
// A raw "!" position may stand anywhere in the first 40 characters of an information field.
constexpr size_t kRawPositionReach = 40;
constexpr size_t kPositionCommentMax = 43;
constexpr size_t kDataExtensionLength = 7;
constexpr size_t kExtendedCommentMax = 36;
constexpr size_t kStatusTextMax = 62;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLetter(char c) {
    return isUpper(c) || (c >= 'a' && c <= 'z');
}

// Digits, or blanks of position ambiguity, at the given places; "." and the hemisphere letter.
bool positionForm(std::string_view text, size_t degreeDigits, std::string_view hemispheres) {
    if (text.size() != degreeDigits + 6) {
        return false;
    }
    for (size_t i = 0; i < degreeDigits + 4; ++i) {
        const size_t at = i < degreeDigits + 2 ? i : i + 1;
        if (!isDigit(text[at]) && text[at] != ' ') {
            return false;
        }
    }
    return text[degreeDigits + 2] == '.' && hemispheres.find(text.back()) != std::string_view::npos;
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (isDigit(c) ? c - '0' : 0);
    }
    return value;
}

bool inRange(std::string_view text, size_t degreeDigits, int maxDegrees,
             std::string_view hemispheres) {
    if (!positionForm(text, degreeDigits, hemispheres)) {
        return false;
    }
    const int degrees = digitsValue(text.substr(0, degreeDigits));
    const int minutes = digitsValue(text.substr(degreeDigits, 2));
    const int hundredths = digitsValue(text.substr(degreeDigits + 3, 2));
    return minutes < 60 &&
           (degrees < maxDegrees || (degrees == maxDegrees && minutes == 0 && hundredths == 0));
}

// PHGphgd, RNGrrrr, DFSshgd or course/speed ccc/sss at the start of a position's comment.
bool hasDataExtension(std::string_view comment) {
    if (comment.size() < kDataExtensionLength) {
        return false;
    }
    const std::string_view head = comment.substr(0, 3);
    const std::string_view tail = comment.substr(3, 4);
    const auto digits = [](std::string_view text) {
        for (const char c : text) {
            if (!isDigit(c)) {
                return false;
            }
        }
        return true;
    };
    if (head == "PHG" || head == "RNG" || head == "DFS") {
        return digits(tail);
    }
    const auto courseDigits = [](std::string_view text) {
        for (const char c : text) {
            if (!isDigit(c) && c != '.' && c != ' ') {
                return false;
            }
        }
        return true;
    };
    return courseDigits(head) && tail[0] == '/' && courseDigits(tail.substr(1));
}

bool symbolTable(char c) {
    return c == '/' || c == '\\' || isDigit(c) || isUpper(c);
}

bool compressedTable(char c) {
    return c == '/' || c == '\\' || isUpper(c) || (c >= 'a' && c <= 'j');
}

bool base91(char c) {
    return c >= '!' && c <= '{';
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void add(std::vector<InformationFinding>& found, std::string_view rule,
         std::vector<std::string> details) {
    found.push_back({rule, std::move(details)});
}

std::string positionExpected(std::string_view rest) {
    return "ddmm.hhN, a symbol table, dddmm.hhE and a symbol code expected at " +
           quoted(rest.substr(0, 19));
}

// Where a position report's comment starts, and the symbol code before it.
struct Comment {
    size_t start = std::string_view::npos;  // npos when there is no position
    char symbol = 0;
};

// A position after the data type (and timestamp); adds findings and tells where the comment is.
Comment checkPosition(std::string_view info, size_t at, std::vector<InformationFinding>& found) {
    const std::string_view rest = info.substr(at);
    if (!rest.empty() && (isDigit(rest[0]) || rest[0] == ' ')) {
        if (rest.size() < 19 || !positionForm(rest.substr(0, 8), 2, "NS") ||
            !symbolTable(rest[8]) || !positionForm(rest.substr(9, 9), 3, "EW") || rest[18] < '!' ||
            rest[18] > '~') {
            add(found, "beacon-position-form", {positionExpected(rest)});
            return {};
        }
        if (!latitudeInRange(rest.substr(0, 8)) || !longitudeInRange(rest.substr(9, 9))) {
            add(found, "beacon-position-form",
                {"the position " + quoted(rest.substr(0, 19)) + " is out of range"});
        }
        return {at + 19, rest[18]};
    }
    // Compressed: table, four and four base-91 digits, symbol code, course/speed and its type.
    if (rest.size() >= 13 && compressedTable(rest[0])) {
        bool valid = true;
        for (size_t i = 1; i < 9; ++i) {
            valid = valid && base91(rest[i]);
        }
        if (valid) {
            return {at + 13, rest[9]};
        }
    }
    add(found, "beacon-position-form", {positionExpected(rest)});
    return {};
}

void checkComment(std::string_view info, Comment comment, std::vector<InformationFinding>& found) {
    // The weather symbol's "comment" is the weather data, which has its own form.
    if (comment.start == std::string_view::npos || comment.symbol == '_') {
        return;
    }
    std::string_view text = info.substr(comment.start);
    size_t most = kPositionCommentMax;
    if (hasDataExtension(text)) {
        text.remove_prefix(kDataExtensionLength);
        most = kExtendedCommentMax;
    }
    if (text.size() > most) {
        add(found, "beacon-comment-long", {std::to_string(text.size()), std::to_string(most)});
    }
}

}  // namespace

std::string expandBeaconText(std::string_view text, std::string_view latitude,
                             std::string_view longitude, const BeaconSample& sample) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d%02d%02d", sample.time.day % 100, sample.time.hour % 100,
                  sample.time.minute % 100);
    std::string expanded;
    for (size_t at = 0; at < text.size();) {
        const SpecialString* match = nullptr;
        for (const SpecialString& special : kCard) {
            if (text.substr(at, special.placeholder.size()) == special.placeholder) {
                match = &special;
                break;
            }
        }
        if (!match) {
            expanded += text[at++];
            continue;
        }
        switch (match->what) {
            case SpecialString::Latitude:
                expanded += latitude;
                break;
            case SpecialString::Longitude:
                expanded += longitude;
                break;
            case SpecialString::Date:
                expanded += date;
                break;
            case SpecialString::Volt:
                expanded += sample.volt;
                break;
        }
        at += match->placeholder.size();
    }
    return expanded;
}

std::vector<std::string> unknownPlaceholders(std::string_view text) {
    std::vector<std::string> unknown;
    for (size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && isLetter(text[end])) {
            ++end;
        }
        const std::string_view word = text.substr(at, end - at);
        if (end < text.size() && text[end] == '>' && word.size() > 1) {
            const std::string_view placeholder = text.substr(at, end - at + 1);
            bool known = false;
            for (const SpecialString& special : kCard) {
                known = known || special.placeholder == placeholder;
            }
            if (!known) {
                unknown.emplace_back(placeholder);
            }
            continue;
        }
        // A card entry begun but not closed.
        if (word.size() > 1) {
            for (const SpecialString& special : kCard) {
                if (special.placeholder.substr(0, word.size()) == word) {
                    unknown.emplace_back(word);
                    break;
                }
            }
        }
    }
    return unknown;
}

std::vector<InformationFinding> checkInformationField(std::string_view info) {
    std::vector<InformationFinding> found;
    if (info.empty()) {
        return found;
    }
    size_t start = 0;
    char type = info[0];
    if (kDataTypes.find(type) == std::string_view::npos) {
        const size_t raw = info.find('!');
        if (raw != std::string_view::npos && raw < kRawPositionReach) {
            start = raw;
            type = '!';
        } else {
            const bool reserved = kReservedDataTypes.find(type) != std::string_view::npos;
            add(found, "beacon-data-type",
                {quoted(info.substr(0, 1)) + (reserved ? " (reserved for a format to come)" : "")});
            return found;
        }
    }
    switch (type) {
        case '!':
        case '=':
            checkComment(info, checkPosition(info, start + 1, found), found);
            break;
        case '/':
        case '@': {
            const std::string_view stamp = info.substr(start + 1, 7);
            bool valid = stamp.size() == 7 &&
                         std::string_view("z/h").find(stamp[6]) != std::string_view::npos;
            for (size_t i = 0; valid && i < 6; ++i) {
                valid = isDigit(stamp[i]);
            }
            if (!valid) {
                add(found, "beacon-position-form",
                    {"a DDHHMMz timestamp expected at " + quoted(stamp)});
                break;
            }
            checkComment(info, checkPosition(info, start + 8, found), found);
            break;
        }
        case '>':
            if (info.size() - 1 > kStatusTextMax) {
                add(found, "beacon-status-long", {std::to_string(info.size() - 1)});
            }
            break;
        default:
            break;
    }
    return found;
}

std::string positionSymbol(std::string_view info) {
    if (info.empty()) {
        return {};
    }
    size_t at = 1;
    if (info[0] == '/' || info[0] == '@') {
        at = 8;  // after the timestamp
    } else if (info[0] != '!' && info[0] != '=') {
        const size_t raw = info.find('!');
        if (raw == std::string_view::npos || raw >= kRawPositionReach) {
            return {};
        }
        at = raw + 1;
    }
    std::vector<InformationFinding> found;
    const Comment comment = checkPosition(info, at, found);
    if (comment.start == std::string_view::npos || info.size() < at + 1) {
        return {};
    }
    const std::string_view rest = info.substr(at);
    const char table = isDigit(rest[0]) || rest[0] == ' ' ? rest[8] : rest[0];
    return {table, comment.symbol};
}

bool latitudeInRange(std::string_view text) {
    return inRange(text, 2, 90, "NS");
}

bool longitudeInRange(std::string_view text) {
    return inRange(text, 3, 180, "EW");
}

}  // namespace korvex
