// The update list from the server: split into lines and fields, judged entry by entry; and the
// same bytes as a downloaded dictionary and as names the server may send.
#include "FuzzSupport.h"
#include "UpdateList.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = fuzz::bytes(data, size);
    const QString list = fuzz::text(data, size);
    UpdateList::hasEntries(list);
    UpdateList::dictionaryRefusal(body);
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
