// korvex-cli symbols: the APRS symbols by name, one a line, separated by tabs: the name that
// --symbol takes, the two characters (table and code) and what the symbol shows.
#include <iostream>

#include "advice/Symbols.h"
#include "cli/Commands.h"

namespace korvex::cli {

int runSymbols(const Arguments& arguments) {
    arguments.expectPositional(0);
    for (const AprsSymbol& symbol : aprsSymbols()) {
        std::cout << symbol.name << "\t" << symbol.table << symbol.code << "\t"
                  << symbol.description << "\n";
    }
    return 0;
}

}  // namespace korvex::cli
