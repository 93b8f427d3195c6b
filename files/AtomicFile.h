#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside the target, which
// is then renamed over it.

#include <filesystem>
#include <string_view>

namespace korvex {

// Whether `target` may be written: it does not exist yet, or it is a regular file that is not
// marked read-only.
bool mayReplace(const std::filesystem::path& target);

// Writes `bytes` to `target` through a temporary file in the same folder. False when the target
// may not be replaced or any step fails; the old file, if any, is then left as it was and no
// temporary file remains. A replaced file keeps its permissions.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace korvex
