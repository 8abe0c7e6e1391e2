#include "SoundCard.h"

#include "DeviceSink.h"
#include "SpeechEngine.h"

#include <QMediaDevices>

namespace ortelia {

void useSoundCard()
{
    SpeechEngine::setSoundCard([]() -> SpeechEngine::SinkFactory {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return {};
        return [device] { return std::make_unique<DeviceSink>(device); };
    });
}

} // namespace ortelia
