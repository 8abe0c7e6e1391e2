// The readers of the settings files: the switch and date files as the program reads them, and
// every line as a number, a truth value and a quoted text.
#include "FuzzSupport.h"
#include "SettingsFiles.h"
#include "SettingsFormat.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = TextFile::splitLines(fuzz::text(data, size));
    bool first = false, second = false;
    SettingsFiles::switchesIn(lines, first, second);
    SettingsFiles::dateIn(lines);
    for (const QString &line : lines) {
        SettingsFormat::readNumber(line);
        SettingsFormat::readTruth(line);
        SettingsFormat::unquoted(line);
    }
    return 0;
}
