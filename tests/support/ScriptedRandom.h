#pragma once

#include "RandomSource.h"

#include <cmath>
#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

// The u value that makes an n-sided die show face f.
inline double Face(int size, int face)
{
    return (face - 0.5) / size;
}

// The largest u a source may yield: it must still show the highest face, never one more.
inline const double LargestBelowOne = std::nextafter(1.0, 0.0);

// A random source whose draws are written down in advance, so "a d4 shows 4, then 3" is a
// one-line setup, and which counts its draws. Running past the script is a test error,
// raised as an exception that fails the test.
//
// Streams split off it draw from this same script unless a script of their own was set
// with setStream(index): work on several threads needs one per stream to be repeatable.
class ScriptedRandom
{
public:
    ScriptedRandom(std::initializer_list<double> values = {})
        : m_script(std::make_shared<Script>())
    {
        for (const double value : values)
            add(value);
    }

    // A source that returns the same value for ever, e.g. a die that always explodes.
    static ScriptedRandom repeating(double value)
    {
        return from([value] { return value; });
    }

    // A source that asks a function for every draw.
    static ScriptedRandom from(std::function<double()> draw)
    {
        ScriptedRandom script;
        script.m_script->function = std::move(draw);
        return script;
    }

    void add(double value)
    {
        const std::lock_guard lock(m_script->mutex);
        m_script->values.push_back(value);
    }

    // Sets the script of the stream with that index.
    void setStream(std::size_t index, const ScriptedRandom &script) const
    {
        const std::lock_guard lock(m_script->mutex);
        m_script->streams[index] = script.m_script;
    }

    std::size_t draws() const
    {
        const std::lock_guard lock(m_script->mutex);
        return m_script->draws;
    }

    std::size_t remaining() const
    {
        const std::lock_guard lock(m_script->mutex);
        return m_script->values.size();
    }

    // A source drawing from this script.
    MainBas::RandomSource source() const { return MainBas::RandomSource(m_script); }

private:
    struct Script : MainBas::DrawScript, std::enable_shared_from_this<Script>
    {
        std::mutex mutex;
        std::deque<double> values;
        std::function<double()> function;
        std::map<std::size_t, std::shared_ptr<Script>> streams;
        std::size_t draws = 0;

        double next() override
        {
            const std::lock_guard lock(mutex);
            ++draws;
            if (function)
                return function();
            if (values.empty())
                throw std::logic_error("the scripted random sequence ran out");
            const double value = values.front();
            values.pop_front();
            return value;
        }

        std::shared_ptr<MainBas::DrawScript> stream(std::size_t index) override
        {
            const std::lock_guard lock(mutex);
            const auto own = streams.find(index);
            if (own != streams.end())
                return own->second;
            return shared_from_this();
        }
    };

    std::shared_ptr<Script> m_script;
};
