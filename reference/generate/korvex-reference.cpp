// Writes the settings reference at build time: korvex-reference HTML_FILE MAN_SOURCE_FILE (the
// HTML page and the scdoc source of korvex-settings(5)).

#include <iostream>

#include "files/AtomicFile.h"
#include "reference/ReferenceDocument.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: korvex-reference HTML_FILE MAN_SOURCE_FILE\n";
        return 2;
    }
    const std::vector<korvex::ReferenceEntry> entries = korvex::referenceEntries();
    if (!korvex::writeFileAtomically(argv[1], korvex::referenceHtml(entries)) ||
        !korvex::writeFileAtomically(argv[2], korvex::referenceManPage(entries))) {
        std::cerr << "korvex-reference: cannot write " << argv[1] << " or " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
