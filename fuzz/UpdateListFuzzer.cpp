// The update list from the server: split into lines and fields, judged entry by entry; and the
// same bytes as a downloaded dictionary and as names the server may send.
#include "DictionaryFile.h"
#include "FuzzSupport.h"
#include "UpdateList.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = fuzz::bytes(data, size);
    const QString list = fuzz::text(data, size);
    // A list is refused by its kind (empty, a picture, unpacked zeros, an HTML page) or for want
    // of entries: one accepted has them.
    if (UpdateList::listRefusal(list).isEmpty() && !UpdateList::hasEntries(list))
        __builtin_trap();
    UpdateList::dictionaryRefusal(body);
    // One input in 32 (by its first byte) is also judged as a dictionary whose first line is longer
    // than a line may be: the refusal of such a line, without a megabyte input every run.
    if (size > 0 && data[0] % 32 == 0) {
        const qsizetype lineEnd = body.indexOf('\n');
        QByteArray stretched = body;
        stretched.insert(lineEnd < 0 ? body.size() : lineEnd, kMaxDictionaryLineBytes + 1, 'x');
        if (UpdateList::dictionaryRefusal(stretched).isEmpty())
            __builtin_trap();
    }
    for (const QString &line : TextFile::splitLines(list)) {
        const std::optional<UpdateList::Entry> entry = UpdateList::parse(line);
        if (!entry)
            continue;
        UpdateList::refusal(*entry);
        UpdateList::storeNameRefusal(entry->address());
        UpdateList::isNewer(entry->date(), QStringLiteral("20200101"));
        entry->summary();
    }
    UpdateList::storedCopy(list);
    return 0;
}
