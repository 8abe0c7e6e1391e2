// The dictionary readers: the tabular data of the lookup pages and the four-section splitter of
// the list translator, on any bytes.
#include "DictionaryFile.h"
#include "FuzzSupport.h"
#include "TabularData.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const web::TabularData table(MappedText::of(fuzz::bytes(data, size)), QLatin1Char(';'), true);
    for (int r = 0; r < table.recordCount(); ++r) {
        for (int c = 0; c < std::min<int>(table.columns().size(), 4); ++c)
            table.field(r, c);
    }
    table.select(QStringLiteral("oberestextfeld = a*"), false);
    table.select(QStringLiteral("unterestextfeld = hello"), false);

    const DictionarySections sections = splitDictionarySections(fuzz::text(data, size));
    for (const QStringList &section : sections.sections) {
        if (section.size() > kMaxSectionPieces)
            __builtin_trap();
    }
    return 0;
}
