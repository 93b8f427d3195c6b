#include "image/RowCodec.h"

#include "settings/IntegerRule.h"

namespace korvex {

namespace {

using Failure = std::optional<RowFailure>;

// The row's own check failed: its setting and message.
RowFailure refused(const FieldRow& row) {
    return {row.setting, row.message};
}

// The SSID check of a call row failed.
RowFailure ssidRefused(const FieldRow& row) {
    return {row.ssidSetting, row.ssidMessage};
}

FieldBytes fieldOf(ConfigImage& image, const FieldRow& row) {
    return FieldBytes(image.bytes).subspan(row.offset, row.width);
}

ConstFieldBytes fieldOf(const ConfigImage& image, const FieldRow& row) {
    return ConstFieldBytes(image.bytes).subspan(row.offset, row.width);
}

void storeNumber(FieldBytes field, int32_t value) {
    if (field.size() == ByteNum::kWidth) {
        ByteNum::encode(field, value);
    } else {
        Word16::encode(field, value);
    }
}

std::string decodeNumber(ConstFieldBytes field) {
    return field.size() == ByteNum::kWidth ? ByteNum::decode(field) : Word16::decode(field);
}

// The SSID character of a destination, path or filter entry: a text that is not a number, or a
// number outside the range, has no character.
std::optional<uint8_t> ssidChar(std::string_view text, const NumberRange& range) {
    const auto ssid = parseInteger(text);
    if (!ssid || !range.contains(*ssid)) {
        return std::nullopt;
    }
    return SsidChar::encode(*ssid);
}

// Stores the call text and the decided SSID character of a CallSsid row.
Failure storeCallSsid(const FieldRow& row, FieldBytes field, std::string_view call,
                      uint8_t ssidByte) {
    if (call.size() > CallField::kWidth) {
        return RowFailure{row.setting, tooLongMessage(row.setting, CallField::kWidth)};
    }
    CallField::encode(CallSsid::call(field), call);
    CallSsid::ssid(field) = ssidByte;
    return std::nullopt;
}

Failure encodeStationCall(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string call = settings.text(row.setting);
    if (call.empty()) {
        return refused(row);
    }
    const int32_t ssid = convertInteger(settings.text(row.ssidSetting), row.ssidSetting);
    if (!row.range.contains(ssid)) {
        return ssidRefused(row);
    }
    return storeCallSsid(row, field, call, SsidChar::encode(ssid));
}

Failure encodeRequiredCall(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string call = settings.text(row.setting);
    if (call.empty()) {
        return refused(row);
    }
    const auto ssid = ssidChar(settings.text(row.ssidSetting), row.range);
    if (!ssid) {
        return ssidRefused(row);
    }
    return storeCallSsid(row, field, call, *ssid);
}

Failure encodeOptionalCall(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string call = settings.text(row.setting);
    uint8_t ssid = SsidChar::encode(0);
    if (!call.empty()) {
        const auto entered = ssidChar(settings.text(row.ssidSetting), row.range);
        if (!entered) {
            return ssidRefused(row);
        }
        ssid = *entered;
    }
    return storeCallSsid(row, field, call, ssid);
}

Failure encodeWildcardCall(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string ssidText = settings.text(row.ssidSetting);
    uint8_t ssid = SsidChar::kWildcard;
    if (ssidText != SsidChar::kWildcardText) {
        const auto entered = ssidChar(ssidText, row.range);
        if (!entered) {
            return ssidRefused(row);
        }
        ssid = *entered;
    }
    return storeCallSsid(row, field, settings.text(row.setting), ssid);
}

Failure encodeNumber(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string text = settings.text(row.setting);
    if (row.kind == RowKind::Port && text.empty()) {
        return std::nullopt;
    }
    const int32_t value = convertInteger(text, row.setting);
    const bool checked = row.kind == RowKind::NumberStoredThenChecked ||
                         row.kind == RowKind::NumberCheckedThenStored || row.kind == RowKind::Port;
    if (row.kind == RowKind::NumberCheckedThenStored && !row.range.contains(value)) {
        return refused(row);
    }
    storeNumber(field, value);
    if (checked && !row.range.contains(value)) {
        return refused(row);
    }
    return std::nullopt;
}

Failure encodeText(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string text = settings.text(row.setting);
    if (text.size() > ZText::capacity(field)) {
        return RowFailure{row.setting, tooLongMessage(row.setting, ZText::capacity(field))};
    }
    ZText::encode(field, row.upperCase ? upperCased(text) : text);
    if (row.kind == RowKind::PrintableText && !PrintableRule::accepts(text)) {
        return refused(row);
    }
    return std::nullopt;
}

Failure encodePosition(const FieldRow& row, FieldBytes field, const Settings& settings) {
    const std::string text = settings.text(row.setting);
    const bool valid =
        row.kind == RowKind::Latitude ? LatText::accepts(text) : LonText::accepts(text);
    if (!valid) {
        return refused(row);
    }
    ZText::encode(field, text);
    return std::nullopt;
}

}  // namespace

std::string tooLongMessage(std::string_view setting, size_t capacity) {
    return std::string(setting) + " - too long (max. " + std::to_string(capacity) + " characters).";
}

std::optional<RowFailure> encodeRow(const FieldRow& row, ConfigImage& image,
                                    const Settings& settings) {
    const FieldBytes field = fieldOf(image, row);
    switch (row.kind) {
        case RowKind::StationCall:
            return encodeStationCall(row, field, settings);
        case RowKind::ZeroByte:
            field[0] = 0;
            return std::nullopt;
        case RowKind::Choice:
            field[0] = ChoiceIndex::encode(settings.index(row.setting));
            return std::nullopt;
        case RowKind::Flag:
            field[0] = FlagByte::encode(settings.checked(row.setting));
            return std::nullopt;
        case RowKind::NumberStoredThenChecked:
        case RowKind::NumberCheckedThenStored:
        case RowKind::UncheckedNumber:
        case RowKind::ClockNumber:
        case RowKind::Port:
            return encodeNumber(row, field, settings);
        case RowKind::Text:
        case RowKind::PrintableText:
            return encodeText(row, field, settings);
        case RowKind::Latitude:
        case RowKind::Longitude:
            return encodePosition(row, field, settings);
        case RowKind::RequiredCall:
            return encodeRequiredCall(row, field, settings);
        case RowKind::OptionalCall:
            return encodeOptionalCall(row, field, settings);
        case RowKind::WildcardCall:
            return encodeWildcardCall(row, field, settings);
    }
    return std::nullopt;
}

void decodeRow(const FieldRow& row, const ConfigImage& image, Settings& settings) {
    const ConstFieldBytes field = fieldOf(image, row);
    switch (row.kind) {
        case RowKind::StationCall:
            settings.setText(row.setting, CallField::decodeAsStored(CallSsid::call(field)));
            settings.setText(row.ssidSetting, SsidChar::decodeUnsigned(CallSsid::ssid(field)));
            break;
        case RowKind::ZeroByte:
        case RowKind::ClockNumber:
            break;
        case RowKind::Choice:
            settings.setIndex(row.setting, ChoiceIndex::decode(field[0]));
            break;
        case RowKind::Flag:
            settings.setChecked(row.setting, FlagByte::decode(field[0]));
            break;
        case RowKind::NumberStoredThenChecked:
        case RowKind::NumberCheckedThenStored:
        case RowKind::UncheckedNumber:
        case RowKind::Port:
            settings.setText(row.setting, decodeNumber(field));
            break;
        case RowKind::Text:
        case RowKind::PrintableText:
        case RowKind::Latitude:
        case RowKind::Longitude:
            settings.setText(row.setting, ZText::decode(field));
            break;
        case RowKind::RequiredCall:
        case RowKind::OptionalCall:
            settings.setText(row.setting, CallField::decode(CallSsid::call(field)));
            settings.setText(row.ssidSetting, SsidChar::decode(CallSsid::ssid(field)));
            break;
        case RowKind::WildcardCall:
            settings.setText(row.setting, CallField::decode(CallSsid::call(field)));
            settings.setText(row.ssidSetting, SsidChar::decodeWithWildcard(CallSsid::ssid(field)));
            break;
    }
}

}  // namespace korvex
