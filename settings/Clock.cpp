#include "settings/Clock.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace korvex {

int64_t toEpochSeconds(const UtcDateTime& time) {
    using namespace std::chrono;
    const sys_days day = year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)},
                                        std::chrono::day{static_cast<unsigned>(time.day)}};
    return day.time_since_epoch().count() * 86400LL + time.hour * 3600LL + time.minute * 60LL +
           time.second;
}

UtcDateTime fromEpochSeconds(int64_t seconds) {
    using namespace std::chrono;
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const year_month_day date{sys_days{std::chrono::days{days}}};
    UtcDateTime result;
    result.year = static_cast<int>(date.year());
    result.month = static_cast<int>(static_cast<unsigned>(date.month()));
    result.day = static_cast<int>(static_cast<unsigned>(date.day()));
    result.hour = static_cast<int>(rest / 3600);
    result.minute = static_cast<int>(rest % 3600 / 60);
    result.second = static_cast<int>(rest % 60);
    return result;
}

UtcDateTime SystemClock::utcNow() const {
    return fromEpochSeconds(secondsNow());
}

int64_t SystemClock::secondsNow() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::optional<UtcDateTime> parseMinuteTime(std::string_view text) {
    const std::string value(text);
    UtcDateTime time;
    char tail = 0;
    const int fields = std::sscanf(value.c_str(), "%4d-%2d-%2dT%2d:%2d%c", &time.year, &time.month,
                                   &time.day, &time.hour, &time.minute, &tail);
    if (fields != 5 || value.size() != 16 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > 31 || time.hour > 23 || time.minute > 59 || time.hour < 0 || time.minute < 0) {
        return std::nullopt;
    }
    return time;
}

FixedClock::FixedClock(UtcDateTime time) : time_(time) {}

int64_t FixedClock::secondsNow() const {
    return toEpochSeconds(time_);
}

}  // namespace korvex
