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

private:
    QHash<QString, QString> m_verbOf; // key -> its verb sense's English word
};

} // namespace ortelia
