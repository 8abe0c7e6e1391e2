#pragma once

#include <QString>

struct _xmlNode;

namespace ortelia::web {

class Document;
struct Node;

// Turns markup into nodes of a document through libxml2's forgiving HTML parser. Blank markup,
// or markup beyond MarkupBounds, gives no nodes.
struct DocumentBuilder {
    Document &doc;

    // A whole page below the root: the attributes of its <html> go to the root.
    void buildPage(const QString &html);
    // Markup given to innerHTML, below parent, which lies depth levels deep in the tree.
    void buildFragment(const QString &html, Node *parent, int depth);

private:
    void convertChildren(const _xmlNode *from, Node *to, int depth);
    void convert(const _xmlNode *n, Node *to, int depth);
};

} // namespace ortelia::web
