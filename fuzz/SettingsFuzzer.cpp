// The readers of the settings files: the switch and date files as the program reads them, and
// every line as a number, a truth value and a quoted text.
#include "FuzzSupport.h"
#include "SettingsFiles.h"
#include "SettingsFormat.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("optionen.chk"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(fuzz::bytes(data, size));
        file.close();
        bool first = false, second = false;
        SettingsFiles::readSwitches(path, first, second);
        SettingsFiles::readDate(path);
    }
    for (const QString &line : TextFile::splitLines(fuzz::text(data, size))) {
        SettingsFormat::readNumber(line);
        SettingsFormat::readTruth(line);
        SettingsFormat::unquoted(line);
    }
    return 0;
}
