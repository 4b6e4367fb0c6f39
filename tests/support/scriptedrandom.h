// A random source that returns scripted draws in order.
#pragma once

#include "platform/random.h"

#include <QQueue>

class ScriptedRandom : public platform::RandomSource
{
public:
    ScriptedRandom() { platform::SetRandom(this); }
    ~ScriptedRandom() override { platform::SetRandom(nullptr); }

    void Push(std::initializer_list<float> draws)
    {
        for (float r : draws)
            m_draws.enqueue(r);
    }
    void reseed() override { ++reseeds; }
    // Past the script every draw is 0 and counted as an overrun.
    float next() override
    {
        ++draws;
        if (m_draws.isEmpty()) {
            ++overruns;
            return 0.0f;
        }
        return m_draws.dequeue();
    }
    int Remaining() const { return static_cast<int>(m_draws.size()); }

    int reseeds = 0;
    int draws = 0;
    int overruns = 0;

private:
    QQueue<float> m_draws;
};
