// Positions: APRS Protocol Reference 1.0.1, ch. 6 (latitude ddmm.hhN in 8 characters, longitude
// dddmm.hhE in 9, hundredths of a minute); the Maidenhead locator system as the IARU Region 1
// VHF Managers Handbook defines it (fields of 20 x 10 degrees lettered A to R, squares of 2 x 1
// degrees numbered 0 to 9, subsquares of 5 x 2.5 minutes lettered a to x, extended squares of
// 30 x 15 seconds numbered 0 to 9, each from the west and the south).
#include "advice/Position.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace korvex {

namespace {

// Maidenhead: the cells of each pair, west to east and south to north, in degrees.
struct LocatorPair {
    char first;      // 'A', '0' or 'a'
    int count;       // letters or digits in use
    double lonCell;  // width of one cell
    double latCell;  // height of one cell
};
constexpr LocatorPair kLocatorPairs[] = {
    {'A', 18, 20.0, 10.0},
    {'0', 10, 2.0, 1.0},
    {'a', 24, 2.0 / 24, 1.0 / 24},
    {'0', 10, 2.0 / 240, 1.0 / 240},
};

enum class Mark { None, Degree, Minute, Second };

struct Number {
    std::string digits;  // as typed, sign left out
    double value = 0;
    bool negative = false;
    bool signed_ = false;
    bool fraction = false;  // has a decimal point
    Mark mark = Mark::None;
};

// One coordinate as typed: its numbers and its hemisphere letter (0 for none).
struct Coordinate {
    std::vector<Number> numbers;
    char hemisphere = 0;
    std::string text;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// ASCII only, whatever the locale.
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string trimmedText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The mark at `at` (degree, minute or second sign in Latin-1, UTF-8 or ASCII) and its length.
std::pair<Mark, size_t> markAt(std::string_view text, size_t at) {
    static constexpr std::pair<std::string_view, Mark> kMarks[] = {
        {"\xC2\xB0", Mark::Degree}, {"\xB0", Mark::Degree},         {"\xC2\xBA", Mark::Degree},
        {"\xBA", Mark::Degree},     {"\xE2\x80\xB2", Mark::Minute}, {"\xE2\x80\x99", Mark::Minute},
        {"\xC2\xB4", Mark::Minute}, {"\xB4", Mark::Minute},         {"''", Mark::Second},
        {"'", Mark::Minute},        {"\xE2\x80\xB3", Mark::Second}, {"\xE2\x80\x9D", Mark::Second},
        {"\"", Mark::Second},
    };
    for (const auto& [spelling, mark] : kMarks) {
        if (text.substr(at, spelling.size()) == spelling) {
            return {mark, spelling.size()};
        }
    }
    return {Mark::None, 0};
}

bool isHemisphere(char c) {
    return std::string_view("NSEWnsew").find(c) != std::string_view::npos;
}

bool isLatitudeHemisphere(char c) {
    return c == 'N' || c == 'S';
}

// Splits the text into coordinates. Hemisphere letters end a coordinate, or start one where the
// text starts with a letter; ",", ";" and "/" end one.
std::optional<std::vector<Coordinate>> splitCoordinates(std::string_view text, std::string& error) {
    std::vector<Coordinate> coordinates(1);
    const bool leadingLetters = !text.empty() && isHemisphere(text[0]);
    size_t start = 0;
    const auto close = [&](size_t end) {
        Coordinate& current = coordinates.back();
        current.text = trimmedText(text.substr(start, end - start));
        if (!current.numbers.empty() || current.hemisphere) {
            coordinates.emplace_back();
        }
        start = end;
    };
    for (size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == ' ' || c == '\t') {
            ++at;
            continue;
        }
        if (c == ',' || c == ';' || c == '/') {
            close(at);
            start = ++at;
            continue;
        }
        if (isHemisphere(c)) {
            if (leadingLetters) {
                close(at);
                coordinates.back().hemisphere = upper(c);
                ++at;
            } else {
                coordinates.back().hemisphere = upper(c);
                close(++at);
            }
            continue;
        }
        if (const auto [mark, length] = markAt(text, at); mark != Mark::None) {
            if (coordinates.back().numbers.empty() ||
                coordinates.back().numbers.back().mark != Mark::None) {
                error = "a sign of degrees, minutes or seconds without its number at " +
                        quoted(text.substr(at));
                return std::nullopt;
            }
            coordinates.back().numbers.back().mark = mark;
            at += length;
            continue;
        }
        if (isDigit(c) || c == '-' || c == '+' || c == '.') {
            Number number;
            if (c == '-' || c == '+') {
                number.signed_ = true;
                number.negative = c == '-';
                ++at;
            }
            const size_t begin = at;
            while (at < text.size() && (isDigit(text[at]) || text[at] == '.')) {
                ++at;
            }
            number.digits = std::string(text.substr(begin, at - begin));
            const auto point = number.digits.find('.');
            number.fraction = point != std::string::npos;
            const bool wellFormed =
                !number.digits.empty() && number.digits != "." &&
                (!number.fraction || number.digits.find('.', point + 1) == std::string::npos);
            if (!wellFormed) {
                error = "no number at " + quoted(text.substr(begin - (number.signed_ ? 1 : 0)));
                return std::nullopt;
            }
            // from_chars, not strtod: the window's locale may spell the decimal point ",".
            std::from_chars(number.digits.data(), number.digits.data() + number.digits.size(),
                            number.value);
            coordinates.back().numbers.push_back(std::move(number));
            continue;
        }
        size_t end = at;
        while (end < text.size() && text[end] != ' ' && !isDigit(text[end])) {
            ++end;
        }
        error = "unknown text " + quoted(text.substr(at, end - at));
        return std::nullopt;
    }
    close(text.size());
    coordinates.pop_back();
    return coordinates;
}

// Two coordinates from one run of numbers: at the second degree sign, else half and half.
bool splitRun(std::vector<Coordinate>& coordinates) {
    Coordinate& run = coordinates.front();
    size_t cut = 0;
    for (size_t i = 1; i < run.numbers.size(); ++i) {
        if (run.numbers[i].mark == Mark::Degree) {
            cut = i;
        }
    }
    if (cut == 0) {
        if (run.numbers.size() % 2 != 0) {
            return false;
        }
        cut = run.numbers.size() / 2;
    }
    Coordinate second;
    second.numbers.assign(run.numbers.begin() + static_cast<long>(cut), run.numbers.end());
    second.hemisphere = run.hemisphere;
    run.numbers.resize(cut);
    run.hemisphere = 0;
    second.text = run.text;
    coordinates.push_back(std::move(second));
    return true;
}

std::string minutesText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// "52.36000": a fixed number of decimals, with "." whatever the locale.
std::string fixed(double value, int decimals) {
    char text[48];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

// The degrees of one coordinate, or an error naming the part.
std::optional<double> coordinateValue(const Coordinate& coordinate, bool latitude,
                                      std::string& error) {
    const std::string what =
        std::string(latitude ? "latitude " : "longitude ") + quoted(coordinate.text) + ": ";
    const double maxDegrees = latitude ? 90 : 180;
    const auto& numbers = coordinate.numbers;
    if (numbers.empty()) {
        error = what + "no number";
        return std::nullopt;
    }
    if (numbers.size() > 3) {
        error = what + "more numbers than degrees, minutes and seconds";
        return std::nullopt;
    }
    for (size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i].signed_) {
            error = what + "a sign stands before the minutes or seconds";
            return std::nullopt;
        }
    }
    const Number& first = numbers.front();
    if (first.negative && coordinate.hemisphere) {
        error = what + "both a minus sign and a hemisphere letter";
        return std::nullopt;
    }
    double degrees = first.value;
    double minutes = 0;
    double seconds = 0;
    const size_t integerDigits =
        first.digits.find('.') == std::string::npos ? first.digits.size() : first.digits.find('.');
    if (numbers.size() == 1 && integerDigits >= 4) {
        // The APRS field: degrees and minutes run together, ddmm.hh or dddmm.hh.
        const size_t most = latitude ? 4 : 5;
        if (integerDigits > most) {
            error = what + "degrees, minutes and seconds run together; write them apart (" +
                    (latitude ? "52 21 36N" : "016 53 35E") + ") or as the APRS field (" +
                    (latitude ? "5221.60N" : "01653.58E") + ")";
            return std::nullopt;
        }
        const double whole = std::floor(first.value / 100);
        minutes = first.value - whole * 100;
        degrees = whole;
    } else {
        if (numbers.size() >= 2) {
            if (first.fraction) {
                error = what + "degrees with a decimal point before the minutes";
                return std::nullopt;
            }
            minutes = numbers[1].value;
        }
        if (numbers.size() == 3) {
            if (numbers[1].fraction) {
                error = what + "minutes with a decimal point before the seconds";
                return std::nullopt;
            }
            seconds = numbers[2].value;
        }
    }
    if (minutes >= 60) {
        error = what + "the minutes " + minutesText(minutes) + " are 60 or more";
        return std::nullopt;
    }
    if (seconds >= 60) {
        error = what + "the seconds " + minutesText(seconds) + " are 60 or more";
        return std::nullopt;
    }
    const double value = degrees + minutes / 60 + seconds / 3600;
    if (value > maxDegrees) {
        error = what + "past " + (latitude ? "90" : "180") + " degrees";
        return std::nullopt;
    }
    const bool south =
        first.negative || coordinate.hemisphere == 'S' || coordinate.hemisphere == 'W';
    return south ? -value : value;
}

bool looksLikeLocator(std::string_view text) {
    return text.size() >= 3 && text.find(' ') == std::string_view::npos && isLetter(text[0]) &&
           isLetter(text[1]) && isDigit(text[2]);
}

PositionReading readLocator(std::string_view text) {
    const std::string what = "locator " + quoted(text) + ": ";
    if (text.size() != 4 && text.size() != 6 && text.size() != 8) {
        return {std::nullopt, what + "4, 6 or 8 characters, not " + std::to_string(text.size())};
    }
    static constexpr std::string_view kPairNames[] = {"field letters", "square digits",
                                                      "subsquare letters", "extended digits"};
    double longitude = -180;
    double latitude = -90;
    const LocatorPair* last = nullptr;
    for (size_t pair = 0; pair * 2 < text.size(); ++pair) {
        const LocatorPair& cells = kLocatorPairs[pair];
        int index[2];
        for (int i = 0; i < 2; ++i) {
            const char c = text[pair * 2 + static_cast<size_t>(i)];
            const char normal = cells.first == '0' ? c : cells.first == 'A' ? upper(c) : lower(c);
            index[i] = normal - cells.first;
            if (index[i] < 0 || index[i] >= cells.count) {
                const char lastOne = static_cast<char>(cells.first + cells.count - 1);
                return {std::nullopt, what + "the " + std::string(kPairNames[pair]) + " run from " +
                                          std::string(1, cells.first) + " to " +
                                          std::string(1, lastOne) + ", not " + std::string(1, c)};
            }
        }
        longitude += index[0] * cells.lonCell;
        latitude += index[1] * cells.latCell;
        last = &cells;
    }
    return {Position{latitude + last->latCell / 2, longitude + last->lonCell / 2}, {}};
}

char hemisphere(double value, char positive, char negative) {
    return value < 0 ? negative : positive;
}

// |value| in units of 1/`parts` degree, rounded.
long long scaled(double value, double parts) {
    return std::llround(std::fabs(value) * parts);
}

}  // namespace

PositionReading readPosition(std::string_view given) {
    const std::string text = trimmedText(given);
    if (text.empty()) {
        return {std::nullopt, "no position given"};
    }
    if (looksLikeLocator(text)) {
        return readLocator(text);
    }
    std::string error;
    auto coordinates = splitCoordinates(text, error);
    if (!coordinates) {
        return {std::nullopt, error};
    }
    if (coordinates->size() == 1 && !splitRun(*coordinates)) {
        return {std::nullopt, "cannot tell where the latitude ends and the longitude begins in " +
                                  quoted(text) + "; put a comma between them"};
    }
    if (coordinates->size() != 2) {
        return {std::nullopt, "a latitude and a longitude expected, " +
                                  std::to_string(coordinates->size()) + " parts found in " +
                                  quoted(text)};
    }
    Coordinate* lat = &(*coordinates)[0];
    Coordinate* lon = &(*coordinates)[1];
    const auto axis = [](const Coordinate& c) {
        return c.hemisphere == 0 ? 0 : isLatitudeHemisphere(c.hemisphere) ? 1 : 2;
    };
    if (axis(*lat) == 2 || axis(*lon) == 1) {
        std::swap(lat, lon);
    }
    if (axis(*lat) == 2 || axis(*lon) == 1) {
        return {std::nullopt, std::string("two ") +
                                  (axis(*lat) == 2 ? "longitudes (E or W)" : "latitudes (N or S)") +
                                  " and no " + (axis(*lat) == 2 ? "latitude" : "longitude") +
                                  " in " + quoted(text)};
    }
    const auto latitude = coordinateValue(*lat, true, error);
    if (!latitude) {
        return {std::nullopt, error};
    }
    const auto longitude = coordinateValue(*lon, false, error);
    if (!longitude) {
        return {std::nullopt, error};
    }
    return {Position{*latitude, *longitude}, {}};
}

std::string aprsLatitude(double latitude) {
    const long long hundredths = scaled(latitude, 6000);
    char text[64];
    std::snprintf(text, sizeof text, "%02lld%02lld.%02lld%c", hundredths / 6000,
                  hundredths % 6000 / 100, hundredths % 100,
                  hundredths == 0 ? 'N' : hemisphere(latitude, 'N', 'S'));
    return text;
}

std::string aprsLongitude(double longitude) {
    const long long hundredths = scaled(longitude, 6000);
    char text[64];
    std::snprintf(text, sizeof text, "%03lld%02lld.%02lld%c", hundredths / 6000,
                  hundredths % 6000 / 100, hundredths % 100,
                  hundredths == 0 ? 'E' : hemisphere(longitude, 'E', 'W'));
    return text;
}

std::string decimalDegrees(const Position& position) {
    const auto degrees = [](double value) { return std::fabs(value) < 0.000005 ? 0.0 : value; };
    return fixed(degrees(position.latitude), 5) + ", " + fixed(degrees(position.longitude), 5);
}

std::string degreesMinutes(const Position& position) {
    const auto one = [](double value, char positive, char negative) {
        const long long thousandths = scaled(value, 60000);
        char text[64];
        std::snprintf(text, sizeof text, "%lld\xB0%02lld.%03lld'%c", thousandths / 60000,
                      thousandths % 60000 / 1000, thousandths % 1000,
                      thousandths == 0 ? positive : hemisphere(value, positive, negative));
        return std::string(text);
    };
    return one(position.latitude, 'N', 'S') + " " + one(position.longitude, 'E', 'W');
}

std::string degreesMinutesSeconds(const Position& position) {
    const auto one = [](double value, char positive, char negative) {
        const long long tenths = scaled(value, 36000);
        char text[64];
        std::snprintf(text, sizeof text, "%lld\xB0%02lld'%02lld.%lld\"%c", tenths / 36000,
                      tenths % 36000 / 600, tenths % 600 / 10, tenths % 10,
                      tenths == 0 ? positive : hemisphere(value, positive, negative));
        return std::string(text);
    };
    return one(position.latitude, 'N', 'S') + " " + one(position.longitude, 'E', 'W');
}

std::string maidenheadLocator(const Position& position, int characters) {
    // The east and north edges (180 E, 90 N) belong to the last cell.
    double longitude = std::clamp(position.longitude + 180, 0.0, 360.0 - 1e-9);
    double latitude = std::clamp(position.latitude + 90, 0.0, 180.0 - 1e-9);
    std::string locator;
    for (int pair = 0; pair * 2 < characters && pair < 4; ++pair) {
        const LocatorPair& cells = kLocatorPairs[pair];
        const int lon = std::min(static_cast<int>(longitude / cells.lonCell), cells.count - 1);
        const int lat = std::min(static_cast<int>(latitude / cells.latCell), cells.count - 1);
        locator += static_cast<char>(cells.first + lon);
        locator += static_cast<char>(cells.first + lat);
        longitude -= lon * cells.lonCell;
        latitude -= lat * cells.latCell;
    }
    return locator;
}

}  // namespace korvex
