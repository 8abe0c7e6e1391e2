#pragma once

#include <QDataStream>

#include <memory>

namespace ortelia::web {

class Document;

// A document's whole tree, node ids, values and checked states included, as the page host sends
// it to the window after the page changed. Read back, it is held to what a parsed document may
// be: at most Document::kMaxNodes nodes, ids unique, no deeper than the parser builds.
class DocumentSnapshot {
public:
    static void write(QDataStream &out, const Document &document);
    // nullptr where the data is no such tree.
    static std::unique_ptr<Document> read(QDataStream &in);
};

} // namespace ortelia::web
