// Arbitrary device replies to every exchange of the device link. The input is a series of
// operations, each one byte (an exchange or a whole "Read config"); every exchange takes one
// control byte (bit 0: the request does not go; bit 1: no reply comes) and 64 reply bytes. The
// link must never read outside the reply, must leave a read page's destination untouched on
// failure, and must succeed exactly when the reply answers the request; a read must leave the
// pages after a failed one zero and the settings untouched unless the image decoded.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "device/ConfigTransfer.h"
#include "device/DeviceLink.h"
#include "device/Transport.h"
#include "fuzz/WatchedSettings.h"
#include "settings/SettingsStore.h"
#include "settings/SilentFeedback.h"
#include "settings/StartupState.h"

namespace {

using namespace korvex;

class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    uint8_t byte() { return empty() ? 0 : data_[position_++]; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// What the transport did in the last exchange.
struct Outcome {
    bool wrote = false;
    std::optional<HidReport> reply;
};

class FuzzTransport final : public Transport {
  public:
    FuzzTransport(Input& input, Outcome& outcome) : input_(input), outcome_(outcome) {}
    bool write(const HidReport&) override {
        control_ = input_.byte();
        outcome_ = Outcome{(control_ & 1) == 0, std::nullopt};
        return outcome_.wrote;
    }
    bool read(HidReport& reply, std::chrono::milliseconds) override {
        if (control_ & 2) {
            return false;
        }
        reply.bytes[0] = 0;
        for (size_t i = 1; i < kReportSize; ++i) {
            reply.bytes[i] = input_.byte();
        }
        outcome_.reply = reply;
        return true;
    }

  private:
    Input& input_;
    Outcome& outcome_;
    uint8_t control_ = 0;
};

class FuzzProvider final : public TransportProvider {
  public:
    FuzzProvider(Input& input, Outcome& outcome) : input_(input), outcome_(outcome) {}
    std::vector<DeviceInterface> enumerate() override {
        return {{kKorvexVendorId, kKorvexProductId, "fuzz"}};
    }
    std::unique_ptr<Transport> open(const DeviceInterface&) override {
        return std::make_unique<FuzzTransport>(input_, outcome_);
    }
    InterfaceAccess probe(const DeviceInterface&) override { return InterfaceAccess::Openable; }

  private:
    Input& input_;
    Outcome& outcome_;
};

// Keeps of the log only what the checks need, so that a read's 192 page lines cost no copies.
class CountingFeedback final : public SilentFeedback {
  public:
    void log(std::string_view line) override {
        constexpr std::string_view kPageError = "Page read error: ";
        if (line.substr(0, kPageError.size()) == kPageError) {
            failedPage = std::stoul(std::string(line.substr(kPageError.size())));
        } else if (line == "Eeprom checksum error. Please reload configuration.") {
            checksumError = true;
        }
    }
    void plainMessage(std::string_view text) override { lastPlain = std::string(text); }
    void startRead() {
        failedPage = 0;
        checksumError = false;
    }
    std::string lastPlain;
    size_t failedPage = 0;  // the page of the last "Page read error" line, 0 for none
    bool checksumError = false;
};

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "devicereply_fuzz: %s\n", what);
        std::abort();
    }
}

bool answers(const Outcome& outcome, DeviceCommand command) {
    return outcome.wrote && outcome.reply &&
           outcome.reply->command() == static_cast<uint8_t>(command);
}

void checkReadPage(DeviceLink& link, const Outcome& outcome, uint16_t page) {
    // The destination sits between two guard areas that must never change.
    std::array<uint8_t, 16 + 32 + 16> area;
    area.fill(0xA5);
    const auto before = area;
    const std::span<uint8_t, 32> destination(area.data() + 16, 32);
    const bool read = link.ReadConfigPage(page, destination);
    const bool expected =
        answers(outcome, DeviceCommand::ReadConfigPage) && outcome.reply->sumMatches();
    require(read == expected, "page read result does not follow the reply");
    require(std::equal(area.begin(), area.begin() + 16, before.begin()) &&
                std::equal(area.end() - 16, area.end(), before.end() - 16),
            "page read wrote outside its destination");
    if (read) {
        require(std::equal(destination.begin(), destination.end(), outcome.reply->data().begin()),
                "page read stored other bytes than the reply's");
    } else {
        require(area == before, "failed page read changed its destination");
    }
}

void checkReadConfig(DeviceLink& link, CountingFeedback& feedback) {
    // Whether a read leaves the settings alone is told by the writes it makes, not by copying
    // and comparing the whole store for every read.
    static SettingsStore settings = startupSettings(FixedClock(UtcDateTime{2024, 1, 1, 0, 0, 0}));
    fuzzing::WatchedSettings counted(&settings);
    static ConfigImage incoming;
    incoming.bytes.fill(0xEE);
    feedback.startRead();
    const bool decoded = ReadConfig(link, incoming, counted, feedback);

    const size_t pagesRead = feedback.failedPage == 0 ? kPageCount : feedback.failedPage - 1;
    require(std::all_of(incoming.bytes.begin() + pagesRead * kPageSize, incoming.bytes.end(),
                        [](uint8_t byte) { return byte == 0; }),
            "pages after a failed read are not zero");
    require(!feedback.checksumError || !incoming.checksumMatches(),
            "checksum error on a matching image");
    require(decoded || counted.writes == 0, "settings changed by a read that did not decode");
    require(!decoded || incoming.checksumMatches(), "an image with a wrong checksum decoded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input input(data, size);
    Outcome outcome;
    FuzzProvider provider(input, outcome);
    // No lock file: the lock's system calls would cost more than the exchanges under test.
    DeviceLink link(provider, kReplyTimeout, {});
    CountingFeedback feedback;
    require(link.OpenDevice(feedback), "the fuzz device is always found");

    std::array<uint8_t, 32> page;
    // A whole read is slow next to one exchange: at most two per input keep the fuzzer fast.
    int readsLeft = 2;
    for (uint16_t exchange = 0; !input.empty(); ++exchange) {
        const uint8_t operation = input.byte();
        page.fill(static_cast<uint8_t>(exchange));
        switch (operation % 5) {
            case 0: {
                const bool written = link.WriteConfigPage(exchange, page);
                require(written == answers(outcome, DeviceCommand::WriteConfigPage),
                        "config page write result does not follow the reply");
                break;
            }
            case 1: {
                const bool written = link.WriteFirmwarePage(exchange, page);
                require(written == answers(outcome, DeviceCommand::WriteFirmwarePage),
                        "firmware page write result does not follow the reply");
                break;
            }
            case 2:
                checkReadPage(link, outcome, exchange);
                break;
            case 3: {
                feedback.lastPlain.clear();
                const bool shown = link.QueryFirmwareVersion(feedback);
                require(shown == answers(outcome, DeviceCommand::QueryVersion),
                        "version query result does not follow the reply");
                if (shown) {
                    char expected[64];
                    std::snprintf(expected, sizeof expected, "Firmware version: %.2f",
                                  outcome.reply->version() * 0.01);
                    require(feedback.lastPlain == expected, "version text is wrong");
                } else {
                    require(feedback.lastPlain.empty(), "failed version query showed a box");
                }
                break;
            }
            case 4:
                if (readsLeft-- > 0) {
                    checkReadConfig(link, feedback);
                    link.OpenDevice(feedback);
                }
                break;
        }
    }
    link.CloseDevice();
    return 0;
}
