#pragma once

#include "RandomSource.h"

#include <cmath>
#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>

// The u value that makes an n-sided die show face f.
inline double Face(int size, int face)
{
    return (face - 0.5) / size;
}

// The largest u a source may yield: it must still show the highest face, never one more.
inline const double LargestBelowOne = std::nextafter(1.0, 0.0);

// Puts a scripted sequence of u values in place of the program's random source for
// the lifetime of the object, and counts the draws. Running past the script is a
// test error, raised as an exception that fails the test.
class ScriptedRandom
{
public:
    ScriptedRandom(std::initializer_list<double> values = {})
        : m_values(values)
    {
        MainBas::Random().setOverride([this] { return draw(); });
    }

    // A source that returns the same value for ever, e.g. a die that always explodes.
    static ScriptedRandom repeating(double value)
    {
        ScriptedRandom script;
        script.m_repeat = value;
        script.m_repeating = true;
        return script;
    }

    ScriptedRandom(ScriptedRandom &&other) noexcept
        : m_values(std::move(other.m_values))
        , m_repeat(other.m_repeat)
        , m_repeating(other.m_repeating)
        , m_draws(other.m_draws)
    {
        MainBas::Random().setOverride([this] { return draw(); });
        other.m_moved = true;
    }

    ~ScriptedRandom()
    {
        if (!m_moved)
            MainBas::Random().setOverride({});
    }

    void add(double value) { m_values.push_back(value); }
    std::size_t draws() const { return m_draws; }
    std::size_t remaining() const { return m_values.size(); }

private:
    double draw()
    {
        ++m_draws;
        if (m_repeating)
            return m_repeat;
        if (m_values.empty())
            throw std::logic_error("the scripted random sequence ran out");
        const double value = m_values.front();
        m_values.pop_front();
        return value;
    }

    std::deque<double> m_values;
    double m_repeat = 0;
    bool m_repeating = false;
    bool m_moved = false;
    std::size_t m_draws = 0;
};
