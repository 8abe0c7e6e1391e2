// The dictionary readers: the tabular data of the lookup pages and the four-section splitter of
// the list translator, on any bytes.
#include "DictionaryFile.h"
#include "FuzzSupport.h"
#include "TabularData.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const web::TabularData table(EncodedText::of(fuzz::bytes(data, size)), QLatin1Char(';'), true);
    for (int r = 0; r < table.recordCount(); ++r) {
        for (int c = 0; c < std::min<int>(table.columns().size(), 4); ++c)
            table.field(r, c);
    }
    table.select(QStringLiteral("oberestextfeld = a*"), false);
    table.select(QStringLiteral("unterestextfeld = hello"), false);

    const QString text = fuzz::text(data, size);
    const DictionarySections sections = splitDictionarySections(text);
    for (const QStringList &section : sections.sections) {
        if (section.size() > kMaxSectionPieces)
            __builtin_trap();
        for (const QString &line : section) {
            if (line.isEmpty() || line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
                __builtin_trap();
        }
    }
    // Every CR LF written as LF or as CR gives the same lines (blank lines may differ in number,
    // and so whether a section is too large).
    for (const QString &end : {QStringLiteral("\n"), QStringLiteral("\r")}) {
        const DictionarySections other =
            splitDictionarySections(QString(text).replace(QStringLiteral("\r\n"), end));
        if (!sections.failure && !other.failure && other.sections != sections.sections)
            __builtin_trap();
    }
    return 0;
}
