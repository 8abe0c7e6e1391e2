#pragma once

#include <QHash>
#include <QString>

namespace ortelia {

// Which German keys are verbs for an English word: a key of the dictionary's table of parts of
// speech ("essen;eat;food": a verb for "eat", a noun for "food"), else a key of an infinitive's
// shape. What a record is known as when a foreign verb form or plural picks among the records of
// its base.
class GermanVerbs {
public:
    // The table of a file of "key;verb;noun" lines (wordClassesName); empty when there is none.
    static GermanVerbs read(const QString &path);

    bool isVerbFor(const QString &germanKey, const QString &english) const;
    // The key's first translation as a noun or as a verb (also a lower-case word's: "sucht" look
    // for); empty where the table has no line for the key.
    QString senseOf(const QString &germanKey, bool noun) const;

private:
    struct Senses {
        QString verb;
        QString noun;
    };
    QHash<QString, Senses> m_senses; // lower-case key -> its senses as written
};

} // namespace ortelia
