#pragma once
// The one conversion of a typed number: optional leading blanks, an optional sign, then decimal
// digits or a hexadecimal number after "$", "x", "X", "0x" or "0X"; nothing may follow, and the
// value must fit in a signed 32-bit integer.

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace korvex {

// Thrown for a number setting whose text is not a number; each face catches it in one place
// and shows what() in its general error box. It names the setting that held the text when the
// converting code knows it (empty otherwise), so that a window can lead the user to the field.
class NotAnInteger : public std::exception {
  public:
    explicit NotAnInteger(std::string_view text, std::string_view setting = {});
    const std::string& text() const { return text_; }
    const std::string& setting() const { return setting_; }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string text_;
    std::string setting_;
    std::string message_;  // "'TEXT' is not a valid integer value"
};

std::optional<int32_t> parseInteger(std::string_view text);
// As parseInteger, but throws NotAnInteger where that has no value; `setting` names the setting
// that holds the text, for the exception.
int32_t convertInteger(std::string_view text, std::string_view setting = {});

}  // namespace korvex
