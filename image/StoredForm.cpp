#include "image/StoredForm.h"

#include <map>

#include "settings/IntegerRule.h"
#include "settings/SettingsDiff.h"

namespace korvex {

namespace {

using Stored = std::optional<std::string>;

// The field as a byte string: `width` zero bytes filled by `encode`, as the encoder fills a
// cleared image.
template <typename Encode>
std::string encoded(size_t width, Encode encode) {
    std::string bytes(width, '\0');
    encode(FieldBytes(reinterpret_cast<uint8_t*>(bytes.data()), width));
    return bytes;
}

// One function per field encoding, each refusing what the encoder would refuse.

Stored callField(std::string_view text) {
    if (text.size() > CallField::kWidth) {
        return std::nullopt;
    }
    return encoded(CallField::kWidth, [&](FieldBytes field) { CallField::encode(field, text); });
}

Stored ssidChar(std::string_view text, const NumberRange& range, bool wildcard) {
    if (wildcard && text == SsidChar::kWildcardText) {
        return std::string(1, static_cast<char>(SsidChar::kWildcard));
    }
    const auto ssid = parseInteger(text);
    if (!ssid || !range.contains(*ssid)) {
        return std::nullopt;
    }
    return std::string(1, static_cast<char>(SsidChar::encode(*ssid)));
}

// ByteNum or Word16 by the field's width; `range` null for a number stored without a check.
Stored number(std::string_view text, size_t width, const NumberRange* range) {
    const auto value = parseInteger(text);
    if (!value || (range && !range->contains(*value))) {
        return std::nullopt;
    }
    return encoded(width, [&](FieldBytes field) {
        if (width == ByteNum::kWidth) {
            ByteNum::encode(field, *value);
        } else {
            Word16::encode(field, *value);
        }
    });
}

Stored zText(std::string_view text, size_t width, bool upperCase) {
    if (text.size() > width - 1) {
        return std::nullopt;
    }
    return encoded(width, [&](FieldBytes field) {
        ZText::encode(field, upperCase ? upperCased(text) : std::string(text));
    });
}

Stored callRow(const FieldRow& row, std::string_view setting, const Settings& settings) {
    const std::string call = settings.text(row.setting);
    const bool required = row.kind == RowKind::StationCall || row.kind == RowKind::RequiredCall;
    if (setting == row.setting) {
        return required && call.empty() ? std::nullopt : callField(call);
    }
    // A path without a call stores SSID 0, whatever its SSID field holds.
    if (row.kind == RowKind::OptionalCall && call.empty()) {
        return std::string(1, static_cast<char>(SsidChar::encode(0)));
    }
    return ssidChar(settings.text(row.ssidSetting), row.range, row.kind == RowKind::WildcardCall);
}

// The row that holds each setting.
const std::map<std::string_view, const FieldRow*>& rowsBySetting() {
    static const auto rows = [] {
        std::map<std::string_view, const FieldRow*> map;
        for (const FieldRow& row : layout()) {
            for (const std::string* name : {&row.setting, &row.ssidSetting}) {
                if (!name->empty()) {
                    map.emplace(*name, &row);
                }
            }
        }
        return map;
    }();
    return rows;
}

}  // namespace

Stored storedForm(const FieldRow& row, std::string_view setting, const Settings& settings) {
    switch (row.kind) {
        case RowKind::StationCall:
        case RowKind::RequiredCall:
        case RowKind::OptionalCall:
        case RowKind::WildcardCall:
            return callRow(row, setting, settings);
        case RowKind::ZeroByte:
            return std::string(1, '\0');
        case RowKind::Choice:
            return std::string(1, static_cast<char>(ChoiceIndex::encode(settings.index(setting))));
        case RowKind::Flag:
            return std::string(1, static_cast<char>(FlagByte::encode(settings.checked(setting))));
        case RowKind::NumberStoredThenChecked:
        case RowKind::NumberCheckedThenStored:
            return number(settings.text(setting), row.width, &row.range);
        case RowKind::UncheckedNumber:
        case RowKind::ClockNumber:
            return number(settings.text(setting), row.width, nullptr);
        case RowKind::Port: {
            // An empty port writes nothing: the field stays as the cleared image holds it.
            const std::string text = settings.text(setting);
            return text.empty() ? std::string(row.width, '\0')
                                : number(text, row.width, &row.range);
        }
        case RowKind::Text:
            return zText(settings.text(setting), row.width, row.upperCase);
        case RowKind::PrintableText: {
            const std::string text = settings.text(setting);
            return PrintableRule::accepts(text) ? zText(text, row.width, false) : std::nullopt;
        }
        case RowKind::Latitude:
        case RowKind::Longitude: {
            const std::string text = settings.text(setting);
            const bool valid =
                row.kind == RowKind::Latitude ? LatText::accepts(text) : LonText::accepts(text);
            return valid ? zText(text, row.width, false) : std::nullopt;
        }
    }
    return std::nullopt;
}

bool sameAsStored(const SettingDef& def, const Settings& left, const Settings& right) {
    const auto row = rowsBySetting().find(def.name);
    if (row == rowsBySetting().end()) {
        return true;
    }
    const Stored a = storedForm(*row->second, def.name, left);
    const Stored b = storedForm(*row->second, def.name, right);
    return a && b ? *a == *b : sameAsTyped(def, left, right);
}

}  // namespace korvex
