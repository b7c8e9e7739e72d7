#pragma once
// The anthology's tables and memo texts are stored scrambled byte by byte.
// The step is its own inverse: it descrambles stored bytes and scrambles
// plain ones.
#include <cstdint>

namespace versilo {

// The one-byte data key shared by tables and memo files.
inline constexpr uint8_t kDataKey = 0x3B;

// plain = ~stored - K (mod 256) = ~(stored + K).
inline constexpr uint8_t Descramble(uint8_t b) {
  return static_cast<uint8_t>(~static_cast<uint8_t>(b + kDataKey));
}
inline constexpr uint8_t Scramble(uint8_t b) { return Descramble(b); }

static_assert(Descramble(Descramble(0x41)) == 0x41, "the step must be its own inverse");

}  // namespace versilo
