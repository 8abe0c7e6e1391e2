#pragma once

#include "AudioOutput.h"
#include "SpeechEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <functional>

namespace ortelia::bench {

// An output that notes when the first sample arrives and plays nothing.
class FirstSampleOutput : public AudioOutput {
public:
    void begin() override {}
    qsizetype write(const qint16 *, qsizetype count) override
    {
        if (arrived < 0)
            arrived = clock.nsecsElapsed();
        return count;
    }
    qint64 playedSamples() override { return 0; }
    void setPaused(bool) override {}
    void stop() override {}
    void setGains(float, float) override {}

    QElapsedTimer clock;
    qint64 arrived = -1;
};

// Times request() up to the first sample handed to the audio output, once per iteration.
inline void timeToFirstSample(benchmark::State &state, const std::function<void()> &request)
{
    SpeechEngine &engine = SpeechEngine::instance();
    auto output = std::make_unique<FirstSampleOutput>();
    FirstSampleOutput *first = output.get();
    engine.setOutput(std::move(output));
    for (auto _ : state) {
        first->arrived = -1;
        first->clock.start();
        request();
        while (first->arrived < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(double(first->arrived) / 1e9);
        engine.stop();
    }
    engine.setOutput(nullptr);
}

} // namespace ortelia::bench
