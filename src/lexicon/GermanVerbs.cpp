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
            verbs.m_senses.insert(fields[0].toLower(), {fields[1], fields[2]});
    }
    return verbs;
}

bool GermanVerbs::isVerbFor(const QString &germanKey, const QString &english) const
{
    const QString key = germanKey.toLower();
    const auto it = m_senses.constFind(key);
    if (it != m_senses.cend())
        return it->verb.compare(english, Qt::CaseInsensitive) == 0;
    return hasGermanVerbShape(key);
}

QString GermanVerbs::senseOf(const QString &germanKey, bool noun) const
{
    const auto it = m_senses.constFind(germanKey.toLower());
    return it == m_senses.cend() ? QString() : noun ? it->noun : it->verb;
}

} // namespace ortelia
