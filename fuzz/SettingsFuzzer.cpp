// The readers of the settings files: the switch and date files as the program reads them, the
// voice profile's text check, and every line as a number, a truth value and a quoted text.
#include "FuzzSupport.h"
#include "SettingsFiles.h"
#include "SettingsFormat.h"

#include <algorithm>

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = TextFile::splitLines(fuzz::text(data, size));
    bool first = false, second = false;
    SettingsFiles::switchesIn(lines, first, second);
    SettingsFiles::dateIn(lines);
    // Whatever the file holds, the update date is eight digits.
    const QString date = SettingsFiles::updateDateIn(lines);
    if (date.size() != 8 || !std::all_of(date.begin(), date.end(), [](QChar c) { return c.isDigit(); }))
        __builtin_trap();
    SettingsFiles::isPlainText(lines);
    for (const QString &line : lines) {
        SettingsFormat::readNumber(line);
        SettingsFormat::readTruth(line);
        SettingsFormat::unquoted(line);
    }
    return 0;
}
