#include "files/AtomicFile.h"

#include <cstdio>
#include <random>
#include <string>

namespace korvex {

namespace fs = std::filesystem;

bool mayReplace(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (error || status.type() != fs::file_type::regular) {
        return false;
    }
    // The read-only mark is honoured even where the user could write the file anyway.
    return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

namespace {

// Creates a new file beside `target` that did not exist before; nullptr when none can be made.
std::FILE* createTemporary(const fs::path& target, fs::path& temporary) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(entropy() % 1000000u);
        // "x": fail rather than reuse a file that already exists.
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) {
            return file;
        }
        std::error_code error;
        if (!fs::exists(temporary, error)) {
            return nullptr;  // the folder itself refuses new files
        }
    }
    return nullptr;
}

}  // namespace

void makeOwnerOnly(const fs::path& file) {
    std::error_code error;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, error);
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes, FileAccess access) {
    if (!mayReplace(target)) {
        return false;
    }
    fs::path temporary;
    std::FILE* file = createTemporary(target, temporary);
    if (file == nullptr) {
        return false;
    }
    if (access == FileAccess::OwnerOnly) {
        makeOwnerOnly(temporary);
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;

    std::error_code error;
    if (written) {
        const fs::file_status old = fs::status(target, error);
        if (!error && old.type() == fs::file_type::regular && access == FileAccess::AsBefore) {
            fs::permissions(temporary, old.permissions(), error);
        }
        fs::rename(temporary, target, error);
        written = !error;
    }
    if (!written) {
        fs::remove(temporary, error);
    }
    return written;
}

}  // namespace korvex
