#include "advice/Passcode.h"

#include "image/FieldEncodings.h"

namespace korvex {

int aprsisPasscode(std::string_view login) {
    const std::string call = upperCased(login.substr(0, login.find('-')));
    uint16_t hash = 0x73E2;
    for (size_t i = 0; i < call.size(); i += 2) {
        hash ^= static_cast<uint16_t>(static_cast<uint8_t>(call[i]) << 8);
        if (i + 1 < call.size()) {
            hash ^= static_cast<uint8_t>(call[i + 1]);
        }
    }
    return hash & 0x7FFF;
}

}  // namespace korvex
