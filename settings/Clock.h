#pragma once
// The clock seam: the current UTC time and the current time in whole seconds.

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvex {

struct UtcDateTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    bool operator==(const UtcDateTime&) const = default;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual UtcDateTime utcNow() const = 0;
    // Seconds since 1970-01-01 00:00 UTC; seeds the image stamp and the update file's filler.
    virtual int64_t secondsNow() const = 0;
};

// The computer's clock.
class SystemClock final : public Clock {
  public:
    UtcDateTime utcNow() const override;
    int64_t secondsNow() const override;
};

// A clock that always tells the same time (tests, and the command line's --time).
class FixedClock final : public Clock {
  public:
    explicit FixedClock(UtcDateTime time);
    UtcDateTime utcNow() const override { return time_; }
    int64_t secondsNow() const override;
    void set(UtcDateTime time) { time_ = time; }

  private:
    UtcDateTime time_;
};

// Seconds since the epoch of a UTC date and time, and back.
int64_t toEpochSeconds(const UtcDateTime& time);
UtcDateTime fromEpochSeconds(int64_t seconds);

// A time given as YYYY-MM-DDTHH:MM (seconds 0), as the programs' --time options take it;
// nullopt for anything else.
std::optional<UtcDateTime> parseMinuteTime(std::string_view text);

}  // namespace korvex
