#include "advice/Symbols.h"

namespace korvex {

namespace {

// The documents the symbols come from.
#define APRS101 "APRS Protocol Reference 1.0.1, appendix 2 (symbol tables)"
#define OVERLAYS "APRS symbols revision (symbols-new), overlays"

constexpr AprsSymbol kSymbols[] = {
    // Fixed stations of the APRS network.
    {"digi", '/', '#', "Digipeater", APRS101},
    {"digi-fill-in", '1', '#', "Digipeater, overlay 1 (fill-in, WIDE1-1 only)", OVERLAYS " on #"},
    {"digi-wide", 'L', '#', "Digipeater, overlay L (WIDEn-N with path length trapping)",
     OVERLAYS " on #"},
    {"digi-state", 'S', '#', "Digipeater, overlay S (WIDEn-N and state SSn-N)", OVERLAYS " on #"},
    {"digi-igate", 'I', '#', "Digipeater, overlay I (with an I-gate)", OVERLAYS " on #"},
    {"igate", 'I', '&', "Gateway, overlay I (I-gate)", OVERLAYS " on &"},
    {"igate-rx", 'R', '&', "Gateway, overlay R (receive-only I-gate)", OVERLAYS " on &"},
    {"igate-tx", 'T', '&', "Gateway, overlay T (I-gate sending to RF over 1 hop)",
     OVERLAYS " on &"},
    {"igate-tx2", '2', '&', "Gateway, overlay 2 (I-gate sending to RF over 2 hops)",
     OVERLAYS " on &"},
    {"wx", '/', '_', "Weather station", APRS101},
    {"house", '/', '-', "House (VHF)", APRS101},
    {"hf-gateway", '/', '&', "HF gateway", APRS101},
    {"repeater", '/', 'r', "Repeater", APRS101},
    {"node", '/', 'n', "Node", APRS101},
    {"tcpip", '/', 'I', "TCP/IP", APRS101},
    {"bbs", '/', 'B', "BBS", APRS101},
    {"server", '/', '?', "Server for files", APRS101},
    {"nws", '/', 'W', "National Weather Service site", APRS101},
    {"yagi", '/', 'y', "Yagi at QTH", APRS101},
    {"antenna", '/', '`', "Dish antenna", APRS101},
    {"school", '/', 'K', "School", APRS101},
    {"eoc", '/', 'o', "Emergency operations centre", APRS101},
    {"campground", '/', ';', "Campground", APRS101},
    // Alternate symbols that take an overlay.
    {"digi-overlay", '\\', '#', "Digipeater (green star, takes an overlay)", APRS101},
    {"gateway", '\\', '&', "Gateway (takes an overlay)", APRS101},
    {"wx-overlay", '\\', '_', "Weather site (takes an overlay)", APRS101},
    {"car-overlay", '\\', '>', "Car (takes an overlay)", APRS101},
    // Moving stations.
    {"car", '/', '>', "Car", APRS101},
    {"jeep", '/', 'j', "Jeep", APRS101},
    {"truck", '/', 'k', "Truck", APRS101},
    {"van", '/', 'v', "Van", APRS101},
    {"rv", '/', 'R', "Recreational vehicle", APRS101},
    {"bus", '/', 'U', "Bus", APRS101},
    {"motorcycle", '/', '<', "Motorcycle", APRS101},
    {"bicycle", '/', 'b', "Bicycle", APRS101},
    {"person", '/', '[', "Person (jogger)", APRS101},
    {"boat", '/', 's', "Ship (power boat)", APRS101},
    {"yacht", '/', 'Y', "Yacht (sail)", APRS101},
    {"aircraft", '/', '\'', "Small aircraft", APRS101},
    {"balloon", '/', 'O', "Balloon", APRS101},
    {"ambulance", '/', 'a', "Ambulance", APRS101},
    {"fire-truck", '/', 'f', "Fire truck", APRS101},
    {"police", '/', '!', "Police, sheriff", APRS101},
};

#undef APRS101
#undef OVERLAYS

bool isOverlay(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::span<const AprsSymbol> aprsSymbols() {
    return kSymbols;
}

std::optional<AprsSymbol> findSymbol(std::string_view given) {
    for (const AprsSymbol& symbol : kSymbols) {
        if (symbol.name == given) {
            return symbol;
        }
    }
    if (given.size() != 2) {
        return std::nullopt;
    }
    const char table = given[0];
    const char code = given[1];
    for (const AprsSymbol& symbol : kSymbols) {
        if (symbol.table == table && symbol.code == code) {
            return symbol;
        }
    }
    // An overlay on an alternate symbol that takes one.
    if (isOverlay(table)) {
        for (const AprsSymbol& symbol : kSymbols) {
            if (symbol.table == '\\' && symbol.code == code) {
                return AprsSymbol{symbol.name, table, code, symbol.description, symbol.reference};
            }
        }
    }
    return std::nullopt;
}

std::string symbolDescription(char table, char code) {
    const std::optional<AprsSymbol> symbol = findSymbol(std::string{table, code});
    if (!symbol) {
        return {};
    }
    std::string description(symbol->description);
    if (isOverlay(table) &&
        description.find("overlay " + std::string(1, table)) == std::string::npos) {
        description += ", overlay " + std::string(1, table);
    }
    return description;
}

std::string symbolNames() {
    std::string names;
    for (const AprsSymbol& symbol : kSymbols) {
        names += (names.empty() ? "" : ", ") + std::string(symbol.name);
    }
    return names;
}

}  // namespace korvex
