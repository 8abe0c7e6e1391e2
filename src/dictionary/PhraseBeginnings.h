#pragma once

#include <QHash>
#include <QMap>
#include <QString>

#include <memory>

namespace ortelia {

namespace web {
class TabularDataObject;
}

// Whether a column of a dictionary page's data, its supplementary file included, holds a key of more
// than one word that begins with two given words ("auf jeden" of "auf jeden fall"). A text is asked
// for phrases only where its words begin one: most words of a text begin none, and a phrase looked
// up in vain costs as much as a word. Each question is a search of the column's sorted index, so
// that no key is read that no text asks about.
class PhraseBeginnings {
public:
    // params: the data object's params of one of the program's own pages; pageDir: the page's folder.
    PhraseBeginnings(const QMap<QString, QString> &params, const QString &pageDir, const QString &column);
    ~PhraseBeginnings();

    // beginning: two words, lower-cased, with one blank between them.
    bool contains(const QString &beginning);

private:
    bool beginsKey(const QString &prefix);

    QString m_column;
    std::unique_ptr<web::TabularDataObject> m_data;
    std::unique_ptr<web::TabularDataObject> m_supplement;
    // Per prefix asked: whether a key begins with it.
    QHash<QString, bool> m_known;
};

} // namespace ortelia
