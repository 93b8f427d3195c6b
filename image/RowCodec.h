#pragma once
// Encoding and decoding of one row of the image layout.

#include <optional>
#include <string>

#include "image/ConfigImage.h"
#include "image/Layout.h"
#include "settings/Settings.h"

namespace korvex {

// A failed check: the setting it refused and its message.
struct RowFailure {
    std::string setting;
    std::string message;
};

// Reads the row's settings, checks them and stores them in the row's field, in the row kind's
// order. Returns the failing check, or nullopt when the row passed. A number without a message
// of its own throws NotAnInteger naming its setting.
std::optional<RowFailure> encodeRow(const FieldRow& row, ConfigImage& image,
                                    const Settings& settings);

// Sets the row's settings from its field; clock fields and zero bytes set nothing.
void decodeRow(const FieldRow& row, const ConfigImage& image, Settings& settings);

// "NAME - too long (max. N characters)." for a text that its field cannot hold.
std::string tooLongMessage(std::string_view setting, size_t capacity);

}  // namespace korvex
