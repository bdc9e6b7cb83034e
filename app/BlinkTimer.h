// The blink timer's tick counter: which of the two alternating looks each tick shows.
#pragma once

#include <cstdint>

namespace quillon {

// Even: recessed captions, the blue-on-yellow mark drawn first. Odd: raised captions, the
// yellow-on-blue mark drawn first.
enum class TBlinkPhase { Even, Odd };

// Counts 2, 3 (back to 1), 2, 3 ... so the ticks alternate, beginning with Even.
class TBlinkCounter {
public:
    std::int32_t BlinkCount() const { return FBlinkCount; }
    // One timer tick: advances the counter and tells which look the tick shows.
    TBlinkPhase Tick();

private:
    std::int32_t FBlinkCount = 1;
};

} // namespace quillon
