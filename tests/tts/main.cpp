#include "RunTests.h"
#include "SpeechTests.h"

int main(int argc, char **argv)
{
    return ortelia::test::runTests<VoiceMarkupTest, SpeechSoundTest, SpeechPlaybackTest>(argc, argv);
}
