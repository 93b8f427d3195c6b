#pragma once
// A provider of one interface whose transport answers from a script and records every request.

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "device/DeviceLink.h"
#include "device/Transport.h"

namespace korvex::testing {

struct Script {
    bool writeGoes = true;
    std::deque<std::optional<HidReport>> replies;  // nullopt: no reply in time
    std::vector<HidReport> requests;
    std::vector<std::chrono::milliseconds> timeouts;
};

class ScriptedTransport final : public Transport {
  public:
    explicit ScriptedTransport(Script& script) : script_(script) {}
    bool write(const HidReport& request) override {
        script_.requests.push_back(request);
        return script_.writeGoes;
    }
    bool read(HidReport& reply, std::chrono::milliseconds timeout) override {
        script_.timeouts.push_back(timeout);
        if (script_.replies.empty() || !script_.replies.front()) {
            if (!script_.replies.empty()) {
                script_.replies.pop_front();
            }
            return false;
        }
        reply = *script_.replies.front();
        script_.replies.pop_front();
        return true;
    }

  private:
    Script& script_;
};

class ScriptedProvider final : public TransportProvider {
  public:
    std::vector<DeviceInterface> enumerate() override {
        return {{kKorvexVendorId, kKorvexProductId, "scripted"}};
    }
    std::unique_ptr<Transport> open(const DeviceInterface&) override {
        return std::make_unique<ScriptedTransport>(script);
    }
    InterfaceAccess probe(const DeviceInterface&) override { return InterfaceAccess::Openable; }
    Script script;
};

// A reply carrying `command` and, for page reads, `data` with its sum (plus `sumOffset`).
inline HidReport replyOf(uint8_t command, const std::array<uint8_t, 32>& data = {},
                         int sumOffset = 0) {
    HidReport reply;
    reply.bytes[1] = command;
    std::copy(data.begin(), data.end(), reply.data().begin());
    reply.setStoredSum(static_cast<uint16_t>(PageSum(reply.data()) + sumOffset));
    return reply;
}

}  // namespace korvex::testing
