#pragma once

#include "HtmlNode.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <unordered_map>

namespace ortelia::web {

// A page's document: parsed with libxml2's forgiving HTML parser into this tree, which scripts
// then change and from which the page is drawn.
class Document {
public:
    // Nodes beyond this many are dropped, by the parser and by innerHTML alike: a page of
    // millions of elements would take gigabytes.
    static constexpr std::size_t kMaxNodes = 100000;

    // Broken markup is repaired as far as the parser can (see MarkupBounds for what it refuses);
    // the result always has a body.
    static std::unique_ptr<Document> parse(const QString &html);

    Node *root() const { return m_root.get(); }
    Node *body() const;
    QString title() const;
    Node *node(int id) const; // nullptr once the node has been removed
    std::size_t nodeCount() const { return m_nodes.size(); }

    Node *elementById(const QString &id) const;
    QList<Node *> elementsByName(const QString &name) const;
    QList<Node *> elementsByTag(const Node *scope, const QString &tag) const;
    QList<Node *> elementsWithId() const;
    QList<Node *> forms() const;
    QList<Node *> formControls(const Node *form) const;
    // The form member of that name (its name attribute, else its id).
    Node *formMember(const Node *form, const QString &name) const;
    Node *formOf(const Node *node) const;
    void resetForm(Node *form);

    static QString textContent(const Node *node);
    void setTextContent(Node *node, const QString &text);
    QString innerHtml(const Node *node) const;
    QString outerHtml(const Node *node) const;
    void setInnerHtml(Node *node, const QString &html);

    // CSS properties of the style attribute ("display", "background-color"...).
    static QString styleValue(const Node *node, const QString &property);
    static void setStyleValue(Node *node, const QString &property, const QString &value);
    static bool isHidden(const Node *node);

    // Counts changes of the tree's shape (nodes added or removed).
    int generation() const { return m_generation; }

    static QString escapeText(const QString &text);
    static QString escapeAttribute(const QString &text);

private:
    Document();
    Node *adopt(std::unique_ptr<Node> node, Node *parent);
    // Adds a node that keeps the id it has (a snapshot's); ids handed out later follow it.
    Node *place(std::unique_ptr<Node> node, Node *parent);
    void forget(Node *node);
    void removeChildren(Node *node);
    void initControlState(Node *node);
    void serialize(const Node *node, QString &out) const;
    template <typename F> void walk(const Node *from, F &&visit) const;
    const QHash<QString, Node *> &idMap() const;

    std::unique_ptr<Node> m_root;
    // The nodes in the tree by id: a page that replaces its content without end keeps its size.
    std::unordered_map<int, Node *> m_nodes;
    int m_nextId = 0;
    int m_generation = 0;
    void updateFormCache() const;

    mutable int m_idMapGeneration = -1;
    mutable QHash<QString, Node *> m_idMap;
    mutable int m_formsGeneration = -1;
    mutable QList<Node *> m_forms;
    mutable QHash<const Node *, QList<Node *>> m_controls;

    friend struct DocumentBuilder;
    friend struct SnapshotReader;
    friend class DocumentSnapshot;
};

} // namespace ortelia::web
