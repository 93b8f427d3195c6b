#include "device/HidapiVersion.h"

#include <hidapi.h>

namespace korvex {

std::string hidapiVersion() {
    return hid_version_str();
}

}  // namespace korvex
