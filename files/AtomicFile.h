#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside the target, which
// is then renamed over it.

#include <filesystem>
#include <string_view>

namespace korvex {

// Whether `target` may be written: it does not exist yet, or it is a regular file that is not
// marked read-only.
bool mayReplace(const std::filesystem::path& target);

// Who may read a file that is written: the owner alone (backups, which hold the station's
// passwords), or as the replaced file allowed (a new one as the umask allows).
enum class FileAccess { AsBefore, OwnerOnly };

// Writes `bytes` to `target` through a temporary file in the same folder. False when the target
// may not be replaced or any step fails; the old file, if any, is then left as it was and no
// temporary file remains. A replaced file keeps its permissions unless `access` is OwnerOnly,
// which makes the file 0600 before a byte is written into it.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileAccess access = FileAccess::AsBefore);

// Read and write for the owner alone (0600), whatever the umask.
void makeOwnerOnly(const std::filesystem::path& file);

}  // namespace korvex
