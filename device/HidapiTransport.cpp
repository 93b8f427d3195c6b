#include "device/HidapiTransport.h"

#include <hidapi.h>

#include <algorithm>
#include <cerrno>

#ifdef __linux__
#include <unistd.h>
#elif defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace korvex {

namespace {

class HidapiTransport final : public Transport {
  public:
    explicit HidapiTransport(hid_device* handle) : handle_(handle) {}
    ~HidapiTransport() override { hid_close(handle_); }
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    bool write(const HidReport& request) override {
        // Some platforms count the report id among the bytes written, some do not.
        const int written = hid_write(handle_, request.bytes.data(), request.bytes.size());
        return written == static_cast<int>(kReportSize) ||
               written == static_cast<int>(kReportSize - 1);
    }

    bool read(HidReport& reply, std::chrono::milliseconds timeout) override {
        // hidapi hands over the device's 64 report bytes without the report id.
        unsigned char payload[kReportSize - 1];
        const int wait = static_cast<int>(std::min<long long>(timeout.count(), 0x7FFFFFFF));
        const int got = hid_read_timeout(handle_, payload, sizeof payload, wait);
        if (got != static_cast<int>(sizeof payload)) {
            return false;
        }
        reply.bytes[0] = 0;
        std::copy(std::begin(payload), std::end(payload), reply.bytes.begin() + 1);
        return true;
    }

  private:
    hid_device* handle_;
};

}  // namespace

std::vector<DeviceInterface> HidapiTransportProvider::enumerate() {
    std::vector<DeviceInterface> interfaces;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* entry = list; entry != nullptr; entry = entry->next) {
        interfaces.push_back(
            {entry->vendor_id, entry->product_id, entry->path ? entry->path : std::string()});
    }
    hid_free_enumeration(list);
    return interfaces;
}

std::unique_ptr<Transport> HidapiTransportProvider::open(const DeviceInterface& device) {
    hid_device* handle = hid_open_path(device.path.c_str());
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<HidapiTransport>(handle);
}

InterfaceAccess HidapiTransportProvider::probe(const DeviceInterface& device) {
#ifdef __linux__
    // The path is the hidraw node: its permission is checked without opening it at all.
    if (::access(device.path.c_str(), R_OK | W_OK) == 0) {
        return InterfaceAccess::Openable;
    }
    return errno == ENOENT || errno == ENOTDIR || errno == ENXIO || errno == ENODEV
               ? InterfaceAccess::Gone
               : InterfaceAccess::Denied;
#elif defined(_WIN32)
    // hidapi falls back to a handle without read and write access where these are refused, and
    // every transfer through that handle fails: ask for both, with hidapi's sharing and flags.
    // Opening and closing the device sends nothing.
    const int length = MultiByteToWideChar(CP_UTF8, 0, device.path.c_str(), -1, nullptr, 0);
    std::wstring path(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length <= 0 ||
        MultiByteToWideChar(CP_UTF8, 0, device.path.c_str(), -1, path.data(), length) == 0) {
        return InterfaceAccess::Gone;
    }
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return InterfaceAccess::Openable;
    }
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DEVICE_NOT_CONNECTED:
            return InterfaceAccess::Gone;
        case ERROR_SHARING_VIOLATION:
            return InterfaceAccess::InUse;
        default:
            return InterfaceAccess::Denied;
    }
#else
    // Elsewhere a device is opened with shared access: opening and closing it sends nothing.
    hid_device* handle = hid_open_path(device.path.c_str());
    if (handle == nullptr) {
        return InterfaceAccess::Denied;
    }
    hid_close(handle);
    return InterfaceAccess::Openable;
#endif
}

}  // namespace korvex
