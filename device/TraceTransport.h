#pragma once
// The USB trace for a bug report: every exchange (request and reply, 65 bytes each, in hex) with
// its millisecond offset from the start of the trace and its outcome - ok, wrong code, bad sum,
// timed out, write failed. A tracing provider wraps any other and puts a tracing transport around
// each transport it opens; the link above knows nothing of it.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string_view>

#include "device/Transport.h"

namespace korvex {

// The file dialog's filter and proposed name for a trace.
inline constexpr std::string_view kTraceFilter = "USB trace files (*.txt)|*.txt";
inline constexpr std::string_view kTraceName = "korvex-usb-trace.txt";

// Where the trace lines go.
class TraceSink {
  public:
    virtual ~TraceSink() = default;
    virtual void line(std::string_view text) = 0;
};

// A trace file, flushed after every line so that it survives a crash or an unplugged device, and
// readable by its owner alone (0600).
class TraceFile final : public TraceSink {
  public:
    // nullptr when the file cannot be created.
    static std::unique_ptr<TraceFile> create(const std::filesystem::path& path);
    void line(std::string_view text) override;

  private:
    explicit TraceFile(std::ofstream out) : out_(std::move(out)) {}
    std::ofstream out_;
};

// Formats the exchanges into a sink; the offsets count from the recorder's creation.
class TraceRecorder {
  public:
    using Elapsed = std::function<std::chrono::milliseconds()>;
    // `elapsed` defaults to the steady clock since now.
    explicit TraceRecorder(TraceSink& sink, Elapsed elapsed = {});

    // A request as it goes; one that could not be sent ends its exchange with "write failed".
    void sent(const HidReport& request, bool written);
    // The reply to `request`, nullptr when none came in time.
    void received(const HidReport& request, const HidReport* reply);

  private:
    void report(char direction, const HidReport* report, std::string_view outcome);
    TraceSink& sink_;
    Elapsed elapsed_;
};

class TracingTransport final : public Transport {
  public:
    TracingTransport(std::unique_ptr<Transport> inner, TraceRecorder& recorder);
    bool write(const HidReport& request) override;
    bool read(HidReport& reply, std::chrono::milliseconds timeout) override;
    void transferBegins(TransferKind kind) override { inner_->transferBegins(kind); }

  private:
    std::unique_ptr<Transport> inner_;
    TraceRecorder& recorder_;
    HidReport request_;
};

class TracingProvider final : public TransportProvider {
  public:
    explicit TracingProvider(TransportProvider& inner) : inner_(inner) {}
    // Transports opened from now on are traced into `recorder`; nullptr stops tracing.
    void setRecorder(TraceRecorder* recorder) { recorder_ = recorder; }
    TraceRecorder* recorder() const { return recorder_; }

    std::vector<DeviceInterface> enumerate() override { return inner_.enumerate(); }
    // A probe sends nothing, so there is nothing to trace.
    InterfaceAccess probe(const DeviceInterface& device) override { return inner_.probe(device); }
    std::unique_ptr<Transport> open(const DeviceInterface& device) override;

  private:
    TransportProvider& inner_;
    TraceRecorder* recorder_ = nullptr;
};

}  // namespace korvex
