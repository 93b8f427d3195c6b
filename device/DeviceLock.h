#pragma once
// One program at a time on a device: an exclusive advisory lock on a small file named after the
// device's path, in the user's runtime folder. The system drops the lock when the holder closes
// it or its process ends, however it ends.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvex {

class DeviceLock {
  public:
    enum class State {
        Held,         // this object holds the lock
        InUse,        // another holder has it
        Unavailable,  // no lock file could be made (the device is then used without one)
    };

    // Tries once, without waiting, to take the lock of `devicePath` in `folder`.
    explicit DeviceLock(std::string_view devicePath,
                        const std::filesystem::path& folder = lockFolder());
    ~DeviceLock();
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    State state() const { return state_; }

    // $XDG_RUNTIME_DIR/korvex-mini, else a private korvex-mini-UID folder in /tmp (on Windows
    // korvex-mini in the user's temporary folder).
    static std::filesystem::path lockFolder();
    // The lock file's name for a device path: readable, and unique through a hash of the path.
    static std::string fileName(std::string_view devicePath);

  private:
    State state_ = State::Unavailable;
    std::filesystem::path file_;
    intptr_t handle_ = -1;  // file descriptor, or HANDLE on Windows
};

}  // namespace korvex
