#pragma once

#include <QList>

#include <cstdint>
#include <random>

namespace basic {

// The one source of random numbers: reseed from the clock, and draw r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float draw() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void reseedFromClock() override;
    // Built from 24 random bits, so it is always strictly below 1: std::generate_canonical<float>
    // can return 1.0 with libstdc++, which would turn a draw of 1 to 9 into 10.
    float draw() override;

private:
    std::mt19937 m_generator;
    std::uint64_t m_reseeds = 0;
};

// Returns the given draws in order, for tests; running out is a fault of the test.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> draws = {});
    void push(std::initializer_list<float> draws);
    void reseedFromClock() override { ++m_reseeds; }
    float draw() override;
    int reseeds() const { return m_reseeds; }
    qsizetype remaining() const { return m_draws.size() - m_next; }

private:
    QList<float> m_draws;
    qsizetype m_next = 0;
    int m_reseeds = 0;
};

} // namespace basic
