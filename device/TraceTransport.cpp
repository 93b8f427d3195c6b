#include "device/TraceTransport.h"

#include <cstdio>
#include <string>

#include "files/AtomicFile.h"

namespace korvex {

std::unique_ptr<TraceFile> TraceFile::create(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::trunc);
    if (!out.is_open()) {
        return nullptr;
    }
    // The trace carries the passwords of every page it sees: the owner's alone before its first
    // line.
    makeOwnerOnly(path);
    return std::unique_ptr<TraceFile>(new TraceFile(std::move(out)));
}

void TraceFile::line(std::string_view text) {
    out_ << text << '\n';
    out_.flush();
}

TraceRecorder::TraceRecorder(TraceSink& sink, Elapsed elapsed)
    : sink_(sink), elapsed_(std::move(elapsed)) {
    if (!elapsed_) {
        const auto start = std::chrono::steady_clock::now();
        elapsed_ = [start] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
        };
    }
}

// "     12 ms > 00 fb 00 ... ok": the offset, > for a request or < for a reply, its 65 bytes (or
// "none") and, on the exchange's last line, its outcome.
void TraceRecorder::report(char direction, const HidReport* report, std::string_view outcome) {
    char head[32];
    std::snprintf(head, sizeof head, "%7lld ms %c", static_cast<long long>(elapsed_().count()),
                  direction);
    std::string text = head;
    if (report) {
        for (const uint8_t byte : report->bytes) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02x", byte);
            text += hex;
        }
    } else {
        text += " none";
    }
    if (!outcome.empty()) {
        text += "  ";
        text += outcome;
    }
    sink_.line(text);
}

void TraceRecorder::sent(const HidReport& request, bool written) {
    report('>', &request, written ? "" : "write failed");
}

void TraceRecorder::received(const HidReport& request, const HidReport* reply) {
    std::string_view outcome = "ok";
    if (!reply) {
        outcome = "timed out";
    } else if (reply->command() != request.command()) {
        outcome = "wrong code";
    } else if (request.command() == static_cast<uint8_t>(DeviceCommand::ReadConfigPage) &&
               !reply->sumMatches()) {
        outcome = "bad sum";
    }
    report('<', reply, outcome);
}

TracingTransport::TracingTransport(std::unique_ptr<Transport> inner, TraceRecorder& recorder)
    : inner_(std::move(inner)), recorder_(recorder) {}

bool TracingTransport::write(const HidReport& request) {
    const bool written = inner_->write(request);
    recorder_.sent(request, written);
    request_ = request;
    return written;
}

bool TracingTransport::read(HidReport& reply, std::chrono::milliseconds timeout) {
    const bool replied = inner_->read(reply, timeout);
    recorder_.received(request_, replied ? &reply : nullptr);
    return replied;
}

std::unique_ptr<Transport> TracingProvider::open(const DeviceInterface& device) {
    auto transport = inner_.open(device);
    if (!transport || !recorder_) {
        return transport;
    }
    return std::make_unique<TracingTransport>(std::move(transport), *recorder_);
}

}  // namespace korvex
