#pragma once

#include "AudioSink.h"
#include "SpeechEngine.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace ortelia::bench {

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Keeps the window thread's events going until done() holds.
inline void waitUntil(const std::function<bool()> &done)
{
    while (!done()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

// A silent sound card (real-time pace) that notes when the first frame reaches it.
class FirstSampleSink : public PacedSink {
public:
    explicit FirstSampleSink(int sampleRate) : PacedSink({sampleRate, 1}) {}
    bool write(const float *frames, qsizetype count) override
    {
        qint64 none = -1;
        arrived.compare_exchange_strong(none, nowNs());
        return PacedSink::write(frames, count);
    }
    std::atomic<qint64> arrived{-1};
};

// Times request() up to the first frame the engine hands to the sink, once per iteration.
inline void timeToFirstSample(benchmark::State &state, SpeechEngine &engine,
                              const std::function<void()> &request)
{
    auto sink = std::make_unique<FirstSampleSink>(engine.sampleRate());
    FirstSampleSink *first = sink.get();
    engine.setOutput(std::move(sink));
    for (auto _ : state) {
        first->arrived = -1;
        const qint64 start = nowNs();
        request();
        waitUntil([&] { return first->arrived >= 0; });
        state.SetIterationTime(double(first->arrived - start) / 1e9);
        engine.stop();
    }
    state.counters["sink_latency_ms"] = engine.outputLatencyMs();
    engine.setOutput(nullptr);
}

} // namespace ortelia::bench
