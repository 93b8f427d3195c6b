#pragma once
// Names and version texts that the window title, the image and the files share.

#include <string_view>

namespace korvex {

inline constexpr std::string_view kApplicationName = "Korvex Mini Configurator";
inline constexpr std::string_view kVersionText = "v1.10";

}  // namespace korvex
