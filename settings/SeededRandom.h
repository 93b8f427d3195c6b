#pragma once
// The pseudo-random generator behind the image stamp and the update file's filler: a linear
// congruential generator seeded from the clock, drawing numbers 0..32767.

#include <cstdint>

namespace korvex {

class SeededRandom {
  public:
    explicit SeededRandom(int64_t seed) : state_(static_cast<uint32_t>(seed)) {}
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

  private:
    uint32_t state_;
};

}  // namespace korvex
