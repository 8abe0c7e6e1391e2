#include "SpeechTests.h"

#include "TestServices.h"
#include "VoiceTable.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>

using namespace ortelia;

namespace speechtest {

SpeechEngine &engine()
{
    return test::speechEngine();
}

bool useSpeechDataWithoutGreek()
{
    static QTemporaryDir copy;
    static const bool ready = [] {
        const QDir data(QStringLiteral(ESPEAK_NG_DATA));
        if (!data.exists(QStringLiteral("de_dict")) ||
            !QDir(copy.path()).mkdir(QStringLiteral("espeak-ng-data")))
            return false;
        for (const QString &entry : data.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry != QLatin1String("el_dict"))
                QFile::link(data.filePath(entry), copy.filePath(QStringLiteral("espeak-ng-data/") + entry));
        }
        qputenv("ESPEAK_DATA_PATH", QFile::encodeName(copy.path()));
        return true;
    }();
    return ready;
}

void resetEngine()
{
    engine().stop();
    engine().select(VoiceTable::kDefaultVoice);
}

QList<qint16> record(const QString &request, QList<Word> *words)
{
    auto sink = std::make_unique<RecordingSink>(engine().sampleRate());
    RecordingSink *recording = sink.get();
    engine().setOutput(std::move(sink));
    QSignalSpy finished(&engine(), &SpeechEngine::finished);
    QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
    engine().speak(request);
    if (!finished.wait(20000))
        return {};
    if (words) {
        for (const QList<QVariant> &args : spoken)
            *words << Word(args.at(0).toInt(), args.at(1).toInt());
    }
    return recording->samples();
}

void useNullSink()
{
    engine().setOutput(std::make_unique<PacedSink>(SinkFormat{engine().sampleRate(), 1}));
}

test::TapeSink *useTape()
{
    auto sink = std::make_unique<test::TapeSink>(SinkFormat{engine().sampleRate(), 1});
    test::TapeSink *tape = sink.get();
    engine().setOutput(std::move(sink));
    return tape;
}

double rms(const QList<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance * std::max(a, b);
}

} // namespace speechtest
