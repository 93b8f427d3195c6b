#pragma once
// Settings compared as the configuration image holds them: two values are the same when the
// device would store the same bytes for them ("sp5ab" and "SP5AB ", "0300" and "300", 70000 and
// 4464 in a field that keeps the low 16 bits without a check).

#include <optional>
#include <string>
#include <string_view>

#include "image/Layout.h"
#include "settings/Catalogue.h"
#include "settings/Settings.h"

namespace korvex {

// The bytes that the row's field would hold for `setting` (the row's setting or its SSID
// setting), or nullopt when the value fails the row's check and so cannot be encoded.
std::optional<std::string> storedForm(const FieldRow& row, std::string_view setting,
                                      const Settings& settings);

// Equal when both values encode to the same bytes; a value that cannot be encoded is compared as
// typed. A setting that the image does not hold (the window's own switch Uploadpctime) is stored
// alike whatever its value.
bool sameAsStored(const SettingDef& def, const Settings& left, const Settings& right);

}  // namespace korvex
