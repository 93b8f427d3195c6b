// Arbitrary bytes as a profile document: look keys up, write some, serialise and parse again
// (once, after the writes: the lines the writes leave alone go through the round trip as they
// were read). Any broken invariant aborts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "files/ProfileFile.h"

namespace {

struct Probe {
    std::string_view section;
    std::string_view key;
};

constexpr Probe kProbes[] = {
    {"!WARNING", "Application"},
    {"!WARNING", "Version"},
    {"Radio", "Callsign"},
    {"radio", "TXDELAY"},
    {"A", "k"},
    {"a", "K"},
    {"", "k"},
    {"Beacons", "Beacon1_msg"},
};

constexpr std::string_view kWrites[][3] = {
    {"Radio", "Callsign", "SP1ABC"},
    {"A", "k", " spaced = \"quoted\" "},
    {"New section", "Fresh", ""},
    {"Radio", "Beacon", "line\r\nbreak"},
};

// Aborts, naming the line of the broken invariant.
void check(bool condition, int line = __builtin_LINE()) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken at line %d\n", line);
        std::abort();
    }
}

// Every probe reads the same from both documents.
void checkSameLookups(const korvex::ProfileFile& a, const korvex::ProfileFile& b) {
    for (const Probe& probe : kProbes) {
        check(a.value(probe.section, probe.key) == b.value(probe.section, probe.key));
    }
}

// Serialising, parsing and serialising again changes nothing; every line ends in CR LF.
void checkRoundTrip(const korvex::ProfileFile& profile) {
    const std::string text = profile.text();
    const korvex::ProfileFile again(text);
    check(again.text() == text);
    checkSameLookups(profile, again);
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        check(at > 0 && text[at - 1] == '\r');
    }
    check(text.empty() || text.back() == '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > korvex::ProfileFile::kMaxFileSize) {
        return 0;
    }
    korvex::ProfileFile profile(std::string(reinterpret_cast<const char*>(data), size));
    for (const Probe& probe : kProbes) {
        const auto value = profile.value(probe.section, probe.key);
        check(!value || value->size() <= korvex::ProfileFile::kMaxValueLength);
    }

    for (const auto& write : kWrites) {
        const auto untouched = profile.value("Beacons", "Beacon1_msg");
        profile.setValue(write[0], write[1], write[2]);
        const std::string_view written = write[2].substr(0, write[2].find_first_of("\r\n"));
        check(profile.value(write[0], write[1]) == std::string(written));
        check(profile.value("Beacons", "Beacon1_msg") == untouched);
    }
    checkRoundTrip(profile);
    return 0;
}
