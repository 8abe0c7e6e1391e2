// The filter of the tabular data object: the first line of the input is the filter, its first
// byte chooses case sensitivity, the rest is the data file. Indexed selection must agree with
// a plain scan of the records.
#include "CaseFold.h"
#include "FuzzSupport.h"
#include "TabularData.h"

using namespace ortelia;

namespace {

// A column name as filters write it: a letter or "_", then letters, digits or "_".
bool isPlainName(const QString &name)
{
    if (name.isEmpty() || !(name.front().isLetter() || name.front() == QLatin1Char('_')))
        return false;
    for (QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool caseSensitive = data[0] & 1;
    const QByteArray input = fuzz::bytes(data + 1, size - 1);
    const qsizetype lineEnd = input.indexOf('\n');
    const QString filter = TextFile::decode(lineEnd < 0 ? input : input.left(lineEnd));
    const QByteArray file = lineEnd < 0 ? QByteArray() : input.mid(lineEnd + 1);
    const web::TabularData table(EncodedText::of(file), QLatin1Char(';'), true);
    const web::Selection selection = table.select(filter, caseSensitive);
    if (selection.size() > table.recordCount())
        __builtin_trap();
    for (int i = 0; i < selection.size(); ++i) {
        if (i > 0 && selection.record(i) <= selection.record(i - 1))
            __builtin_trap();
    }
    // A single term: the index must find exactly what a scan finds.
    const qsizetype eq = filter.indexOf(QLatin1Char('='));
    const QString name = eq > 0 ? filter.left(eq).trimmed() : QString();
    if (isPlainName(name) && !filter.contains(QLatin1Char('&')) && !filter.contains(QLatin1Char('"'))) {
        const int column = table.column(name);
        if (column >= 0) {
            const QString pattern = filter.mid(eq + 1).trimmed();
            int expected = 0;
            for (int r = 0; r < table.recordCount(); ++r)
                expected += casefold::wildcardMatch(table.field(r, column), pattern, caseSensitive);
            if (expected != selection.size())
                __builtin_trap();
        }
    }
    return 0;
}
