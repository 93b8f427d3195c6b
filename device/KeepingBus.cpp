#include "device/KeepingBus.h"

#include <optional>
#include <utility>

namespace korvex {

namespace {

class KeepingTransport final : public Transport {
  public:
    KeepingTransport(std::unique_ptr<Transport> inner, const SimulatedDevice& device,
                     const std::filesystem::path& folder)
        : inner_(std::move(inner)), device_(device), folder_(folder) {}

    bool write(const HidReport& request) override {
        request_ = request;
        return inner_->write(request);
    }

    bool read(HidReport& reply, std::chrono::milliseconds timeout) override {
        if (!inner_->read(reply, timeout)) {
            return false;
        }
        const bool acknowledged = request_ && reply.command() == request_->command();
        return !acknowledged || device_.keepWrittenPage(folder_, *request_);
    }

    void transferBegins(TransferKind kind) override { inner_->transferBegins(kind); }

  private:
    std::unique_ptr<Transport> inner_;
    const SimulatedDevice& device_;
    const std::filesystem::path& folder_;
    std::optional<HidReport> request_;
};

}  // namespace

KeepingBus::KeepingBus(TransportProvider& bus, SimulatedDevice& device,
                       std::filesystem::path folder)
    : bus_(bus), device_(device), folder_(std::move(folder)) {}

std::unique_ptr<Transport> KeepingBus::open(const DeviceInterface& device) {
    device_.reloadMemories(folder_);
    auto inner = bus_.open(device);
    if (!inner) {
        return nullptr;
    }
    return std::make_unique<KeepingTransport>(std::move(inner), device_, folder_);
}

}  // namespace korvex
