#pragma once
// The version of the hidapi library the program runs with, for the About box.

#include <string>

namespace korvex {

std::string hidapiVersion();

}  // namespace korvex
