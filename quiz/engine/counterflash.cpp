#include "quiz/engine/counterflash.h"

namespace brainlark
{

int CounterFlash::inflation(int frame)
{
    const int phase = (frame % 16 + 16) % 16;
    return phase < 9 ? phase + 1 : 17 - phase;
}

HslColor CounterFlash::color(int frame)
{
    static const float hues[] = {40.0f, 50.0f, 67.0f, 90.0f};
    HslColor gold = HslColor::fromColorRef(0x0000D7FF);
    gold.setHue(hues[(frame % 4 + 4) % 4]);
    return gold;
}

} // namespace brainlark
