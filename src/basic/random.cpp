#include "basic/random.h"

#include <chrono>
#include <stdexcept>

namespace basic {

ClockRandom::ClockRandom()
{
    reseedFromClock();
}

void ClockRandom::reseedFromClock()
{
    // Two clicks within one clock tick must not repeat an exercise, so the reseed count is mixed in.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(++m_reseeds)};
    m_generator.seed(seed);
}

float ClockRandom::draw()
{
    return static_cast<float>(m_generator() >> 8) * (1.0f / 16777216.0f);
}

ScriptedRandom::ScriptedRandom(QList<float> draws) : m_draws(std::move(draws))
{
}

void ScriptedRandom::push(std::initializer_list<float> draws)
{
    for (float value : draws)
        m_draws.append(value);
}

float ScriptedRandom::draw()
{
    if (m_next >= m_draws.size())
        throw std::logic_error("scripted random source ran out of draws");
    return m_draws.at(m_next++);
}

} // namespace basic
