#pragma once

#include <random>

// Uniform random numbers, seeded from the time of day: behind an interface so that tests
// choose the draw.
class RandomDraw
{
public:
    virtual ~RandomDraw() = default;
    virtual void Randomize(float seed) = 0;
    // One draw, 0 <= r < 1.
    virtual float Rnd() = 0;
};

class SeededRandom final : public RandomDraw
{
public:
    void Randomize(float seed) override;
    float Rnd() override;

private:
    std::mt19937 m_engine;
};
