#include "BlinkTimer.h"

namespace quillon {

TBlinkPhase TBlinkCounter::Tick()
{
    ++FBlinkCount;
    const TBlinkPhase phase = FBlinkCount % 2 == 0 ? TBlinkPhase::Even : TBlinkPhase::Odd;
    if (FBlinkCount == 3)
        FBlinkCount = 1; // the counter never grows past 3
    return phase;
}

} // namespace quillon
