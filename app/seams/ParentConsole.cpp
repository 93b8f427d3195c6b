#include "app/seams/ParentConsole.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace korvex::app {

#ifdef _WIN32
namespace {

bool leadsSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void useParentConsole() {
    const bool out = leadsSomewhere(STD_OUTPUT_HANDLE);
    const bool error = leadsSomewhere(STD_ERROR_HANDLE);
    if ((out && error) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!out) {
        std::freopen("CONOUT$", "w", stdout);
    }
    if (!error) {
        std::freopen("CONOUT$", "w", stderr);
    }
}
#else
void useParentConsole() {}
#endif

}  // namespace korvex::app
