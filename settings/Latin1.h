#pragma once
// The settings hold Latin-1 text; the terminal, the arguments, JSON and HTML are UTF-8. These
// convert at the edge.

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

std::string latin1ToUtf8(std::string_view latin1);

// The Latin-1 text of a UTF-8 argument; nullopt when it is not valid UTF-8 or holds a character
// beyond U+00FF.
std::optional<std::string> utf8ToLatin1(std::string_view utf8);

}  // namespace korvex
