// korvex-cli: the configurator's actions without a window.

#include "cli/CommandLine.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>
#include <vector>

// Windows hands main its arguments in the ANSI code page, which differs between machines and
// cannot hold every Latin-1 text; the program reads them as UTF-8, so they are taken from the
// wide command line instead.
int main() {
    int argc = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (wide == nullptr) {
        return 2;
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(size > 0 ? static_cast<size_t>(size) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), size, nullptr, nullptr);
        utf8.resize(utf8.size() - 1);  // the terminator
        arguments.push_back(std::move(utf8));
    }
    LocalFree(wide);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return korvex::cli::runCommandLine(argc, argv.data());
}
#else
int main(int argc, char** argv) {
    return korvex::cli::runCommandLine(argc, argv);
}
#endif
