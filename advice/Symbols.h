#pragma once
// The APRS symbols that stations use, by name: each is a symbol table character ("/" primary,
// "\" alternate, or an overlay character on an alternate symbol) and a symbol code.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvex {

struct AprsSymbol {
    std::string_view name;         // what --symbol and the wizard take ("igate", "digi", ...)
    char table = '/';              // '/', '\\', or an overlay 0-9 / A-Z on an alternate symbol
    char code = '-';               // the symbol code
    std::string_view description;  // "Digipeater, WIDEn-N with path length trapping"
    std::string_view reference;    // the document and section the symbol comes from
};

// Every named symbol, stations first.
std::span<const AprsSymbol> aprsSymbols();

// The symbol of a name ("igate") or of its two characters ("R&", "/#"); nullopt for anything
// else.
std::optional<AprsSymbol> findSymbol(std::string_view nameOrCharacters);

// What a table and code show: "House (VHF)", "Gateway, overlay R (receive-only I-gate)",
// "Car with overlay 3"; empty for a pair that no table holds.
std::string symbolDescription(char table, char code);

// The symbol names, comma separated, for help and refusals.
std::string symbolNames();

}  // namespace korvex
