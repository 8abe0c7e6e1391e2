#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

namespace ortelia::web {

// One node of a page's document tree.
struct Node {
    enum class Kind { Element, Text, Comment };
    Kind kind = Kind::Element;
    int id = 0;   // stable handle, also for scripts; never reused within a document
    QString tag;  // lower-case element name
    QString text; // text and comment nodes
    QList<QPair<QString, QString>> attributes; // lower-case names, in source order
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    // Form controls and data-bound elements: what they show now and what a reset restores.
    QString value;
    QString defaultValue;
    bool checked = false;
    bool defaultChecked = false;
    bool bound = false; // shows a column of a data object (datasrc + datafld)

    bool isElement() const { return kind == Kind::Element; }
    bool is(const char *name) const { return kind == Kind::Element && tag == QLatin1String(name); }
    bool hasAttribute(const QString &name) const;
    QString attribute(const QString &name) const;
    void setAttribute(const QString &name, const QString &value);
    void removeAttribute(const QString &name);
    bool isFormControl() const;
    QString inputType() const; // lower-case type of an input ("text" when none)
};

// A page's document: parsed with libxml2's forgiving HTML parser into this tree, which scripts
// then change and from which the page is drawn.
class Document {
public:
    // Nodes beyond this many are dropped, by the parser and by innerHTML alike: a page of
    // millions of elements would take gigabytes.
    static constexpr std::size_t kMaxNodes = 100000;
    // Markup beyond these bounds is refused before it is parsed, as the parser's time grows with
    // the square of an element's attributes (kMaxAttributePairs is the sum of those squares over
    // the markup: 16 elements of 1,000 attributes) and its memory with the tags: the document then
    // stays empty.
    static constexpr qsizetype kMaxMarkupBytes = 24 * 1024 * 1024;
    static constexpr qsizetype kMaxTags = 4 * qsizetype(kMaxNodes);
    static constexpr int kMaxAttributes = 1000;
    static constexpr qint64 kMaxAttributePairs = 16 * 1000 * 1000;
    // Whether UTF-8 markup keeps within those bounds.
    static bool withinBounds(QByteArrayView markup);

    // Broken markup is repaired as far as the parser can; the result always has a body.
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
};

} // namespace ortelia::web
