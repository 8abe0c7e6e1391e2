// From a request written for the speech page and the press of its button to the first sample at
// the sink.

#include "FirstSample.h"
#include "ProgramFolder.h"
#include "SpeechPage.h"
#include "WebBrowser.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace ortelia;

void FirstSampleFromPage(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(ORTELIA_PROGRAM_DIR "/sp"), dir.filePath(QStringLiteral("sp")));
    ProgramFolder::setRoot(dir.path());
    WebBrowser page;
    SpeechPage::load(page, QStringLiteral("sp"));
    SpeechPage::setMainPage(&page);
    bench::timeToFirstSample(state, [] {
        QStringList lines = {QStringLiteral("#voice=name:lgx.de.silke#"), QStringLiteral("Hallo")};
        SpeakTranslation(lines);
    });
    SpeechPage::setMainPage(nullptr);
}
BENCHMARK(FirstSampleFromPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
