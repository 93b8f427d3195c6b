#pragma once
// The layout of the settings in the configuration image: one ordered table of fields, in the
// order in which the encoder reads and checks the settings. The decoder walks the same table.

#include <cstdint>
#include <span>
#include <string>

#include "image/FieldEncodings.h"

namespace korvex {

enum class RowKind : uint8_t {
    // Callsign and Ssid in a CallSsid: the call must not be empty; the SSID must be 0..15 and a
    // non-number throws NotAnInteger. Decodes the call as stored and the SSID as unsigned.
    StationCall,
    // A byte written as zero on every encode and never read.
    ZeroByte,
    // ChoiceIndex of a drop-down list.
    Choice,
    // FlagByte of a check box.
    Flag,
    // ByteNum or Word16 (by width): converted (NotAnInteger), its low bits stored, then the
    // entered number checked against the range.
    NumberStoredThenChecked,
    // As above, but the entered number is checked before anything is stored.
    NumberCheckedThenStored,
    // ByteNum or Word16 stored without any check (low bits of the entered number).
    UncheckedNumber,
    // A clock field: stored like UncheckedNumber, but never decoded.
    ClockNumber,
    // Word16 port: nothing written for an empty text; otherwise stored, then checked.
    Port,
    // ZText(width), upper-cased when the row says so; no check.
    Text,
    // ZText(width) copied as typed, then checked under PrintableRule.
    PrintableText,
    // LatText or LonText: syntax checked, then stored.
    Latitude,
    Longitude,
    // A destination in a CallSsid: the call must not be empty; the SSID must be 0..15 and a
    // non-number gets the SSID message.
    RequiredCall,
    // A path in a CallSsid: the SSID is read and checked only when the call is not empty; an
    // empty call stores six spaces and the SSID "0".
    OptionalCall,
    // A filter entry in a CallSsid: the SSID is decided first, "*" exactly being the wildcard,
    // otherwise 0..15 with a non-number getting the message; the call may be empty.
    WildcardCall,
};

struct FieldRow {
    RowKind kind = RowKind::ZeroByte;
    uint16_t offset = 0;
    uint16_t width = 0;
    std::string setting{};      // the field's setting; for call rows the call text
    std::string ssidSetting{};  // call rows: the SSID setting
    std::string message{};      // the check's message; for call rows the empty call's message
    std::string ssidMessage{};  // call rows: the SSID's message
    NumberRange range{};        // number and port rows
    bool upperCase = false;     // Text rows stored in upper case
};

// Every field of the settings area (offsets 14..2003), in encode order.
std::span<const FieldRow> layout();

// The region of the image that holds the settings.
inline constexpr uint16_t kSettingsFirst = 14;
inline constexpr uint16_t kSettingsEnd = 2004;

}  // namespace korvex
