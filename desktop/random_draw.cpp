#include "random_draw.h"

#include <bit>

void SeededRandom::Randomize(float seed)
{
    // Every bit of the seed counts, so that starts a fraction of a second apart differ.
    m_engine.seed(std::bit_cast<std::uint32_t>(seed));
}

float SeededRandom::Rnd()
{
    // 24 random bits: exactly representable, and never 1.
    return static_cast<float>(m_engine() >> 8) / 16777216.0f;
}
