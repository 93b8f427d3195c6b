#include "device/DeviceLock.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace korvex {

std::string DeviceLock::fileName(std::string_view devicePath) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : devicePath) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    }
    // The last characters of the path, for a person looking into the folder.
    constexpr size_t kReadable = 40;
    const std::string_view tail =
        devicePath.substr(devicePath.size() > kReadable ? devicePath.size() - kReadable : 0);
    std::string name;
    for (char c : tail) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.';
        name += plain ? c : '_';
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return name + "-" + digits + ".lock";
}

#ifdef _WIN32

std::filesystem::path DeviceLock::lockFolder() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error) / "korvex-mini";
    std::filesystem::create_directories(folder, error);
    return folder;
}

DeviceLock::DeviceLock(std::string_view devicePath, const std::filesystem::path& folder)
    : file_(folder / fileName(devicePath)) {
    HANDLE handle = CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        state_ = GetLastError() == ERROR_LOCK_VIOLATION ? State::InUse : State::Unavailable;
        CloseHandle(handle);
        return;
    }
    handle_ = reinterpret_cast<intptr_t>(handle);
    state_ = State::Held;
}

DeviceLock::~DeviceLock() {
    if (state_ == State::Held) {
        // Closing the handle drops the lock.
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

#else

std::filesystem::path DeviceLock::lockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        const std::filesystem::path folder = std::filesystem::path(runtime) / "korvex-mini";
        ::mkdir(folder.c_str(), 0700);
        return folder;
    }
    // /tmp is shared: the folder must be our own, not a link or another user's.
    const std::filesystem::path folder = "/tmp/korvex-mini-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::getuid() || (status.st_mode & 077) != 0) {
        return {};
    }
    return folder;
}

DeviceLock::DeviceLock(std::string_view devicePath, const std::filesystem::path& folder) {
    if (folder.empty()) {
        return;
    }
    file_ = folder / fileName(devicePath);
    // A holder removes the file as it lets go; a lock taken on a file that has been removed
    // meanwhile is worth nothing, so the file is opened afresh until the lock and the name agree.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            state_ = errno == EWOULDBLOCK ? State::InUse : State::Unavailable;
            ::close(fd);
            return;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd, &locked) == 0 && ::stat(file_.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            handle_ = fd;
            state_ = State::Held;
            return;
        }
        ::close(fd);
    }
}

DeviceLock::~DeviceLock() {
    if (state_ == State::Held) {
        ::unlink(file_.c_str());
        ::close(static_cast<int>(handle_));
    }
}

#endif

}  // namespace korvex
