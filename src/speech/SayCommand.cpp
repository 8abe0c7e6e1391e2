#include "SayCommand.h"

#include "SpeechEngine.h"
#include "WavFile.h"

#include <QEventLoop>

#include <cstdio>

namespace ortelia {

bool sayNeedsSoundCard(const QStringList &args)
{
    return !args.contains(QLatin1String("--wav"));
}

int runSay(const QStringList &args, const QDir &startDir)
{
    QStringList lines;
    QString wavPath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--wav") && i + 1 < args.size())
            wavPath = startDir.absoluteFilePath(args[++i]);
        else
            lines << args[i];
    }
    if (lines.isEmpty()) {
        std::fputs("Aufruf: ortelia say [--wav DATEI] ZEILE...\n", stderr);
        return 2;
    }

    std::optional<QString> target;
    if (!wavPath.isEmpty() && !(target = wavTarget(wavPath)))
        return 2;
    SpeechEngine engine;
    return sayRequest(engine, lines.join(QLatin1Char('\n')), target, wavPath);
}

std::optional<QString> wavTarget(const QString &path)
{
    std::optional<QString> target = WavFile::targetFor(path);
    if (!target)
        std::fprintf(stderr, "Achtung : %s ist keine gewöhnliche Datei und wird nicht ersetzt!\n",
                     qPrintable(path));
    return target;
}

int sayRequest(SpeechEngine &engine, const QString &request, const std::optional<QString> &target,
               const QString &path)
{
    if (target) {
        WavFile::removePartialFileOnSignals();
        WavFile file(*target, engine.sampleRate());
        const bool recorded = engine.record(
            request, [&file](const qint16 *samples, qsizetype count) { return file.append(samples, count); });
        if (!recorded || !file.commit()) {
            std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden.\n", qPrintable(path));
            return 1;
        }
        return 0;
    }
    QEventLoop loop;
    QObject::connect(&engine, &SpeechEngine::finished, &loop, &QEventLoop::quit);
    engine.speak(request);
    if (engine.isSpeaking())
        loop.exec();
    return 0;
}

} // namespace ortelia
