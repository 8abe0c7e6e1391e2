#include "GermanVerbs.h"

#include "DictionaryFormat.h"
#include "FileRead.h"
#include "TextFile.h"
#include "WordKind.h"

#include <QStringList>

namespace ortelia {

GermanVerbs GermanVerbs::read(const QString &path)
{
    GermanVerbs verbs;
    const std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxDictionaryBytes);
    if (!bytes)
        return verbs;
    for (const QString &line : TextFile::splitLines(TextFile::decode(*bytes))) {
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() == 3)
            verbs.m_verbOf.insert(fields[0].toLower(), fields[1].toLower());
    }
    return verbs;
}

bool GermanVerbs::isVerbFor(const QString &germanKey, const QString &english) const
{
    const QString key = germanKey.toLower();
    const auto it = m_verbOf.constFind(key);
    if (it != m_verbOf.cend())
        return *it == english.toLower();
    return hasGermanVerbShape(key);
}

} // namespace ortelia
