#include "HtmlDocument.h"

#include "HtmlParser.h"

namespace ortelia::web {

namespace {

const char *const kVoidElements[] = {"area",  "base", "br",   "col",   "embed",  "hr", "img",
                                     "input", "link", "meta", "param", "source", "wbr"};

bool isVoid(const QString &tag)
{
    for (const char *name : kVoidElements) {
        if (tag == QLatin1String(name))
            return true;
    }
    return false;
}

// CSS declarations of a style attribute, in order.
QList<QPair<QString, QString>> parseStyle(const QString &style)
{
    QList<QPair<QString, QString>> result;
    const QStringList parts = style.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        result.append({part.left(colon).trimmed().toLower(), part.mid(colon + 1).trimmed()});
    }
    return result;
}

} // namespace

Document::Document() = default;

std::unique_ptr<Document> Document::parse(const QString &html)
{
    std::unique_ptr<Document> doc(new Document);
    auto root = std::make_unique<Node>();
    root->tag = QStringLiteral("html");
    doc->adopt(std::move(root), nullptr);
    DocumentBuilder{*doc}.buildPage(html);
    if (!doc->body()) {
        auto body = std::make_unique<Node>();
        body->tag = QStringLiteral("body");
        doc->adopt(std::move(body), doc->m_root.get());
    }
    return doc;
}

Node *Document::adopt(std::unique_ptr<Node> node, Node *parent)
{
    node->id = m_nextId++;
    m_nodes.emplace(node->id, node.get());
    node->parent = parent;
    Node *raw = node.get();
    if (parent)
        parent->children.push_back(std::move(node));
    else
        m_root = std::move(node);
    ++m_generation;
    return raw;
}

Node *Document::place(std::unique_ptr<Node> node, Node *parent)
{
    const int next = qMax(m_nextId, node->id + 1);
    m_nextId = node->id;
    Node *raw = adopt(std::move(node), parent);
    m_nextId = next;
    return raw;
}

void Document::forget(Node *node)
{
    for (auto &child : node->children)
        forget(child.get());
    m_nodes.erase(node->id);
}

void Document::removeChildren(Node *node)
{
    for (auto &child : node->children)
        forget(child.get());
    node->children.clear();
    ++m_generation;
}

void Document::initControlState(Node *node)
{
    node->bound =
        node->hasAttribute(QStringLiteral("datasrc")) && node->hasAttribute(QStringLiteral("datafld"));
    if (node->is("textarea")) {
        node->defaultValue = textContent(node);
    } else if (node->is("input") || node->is("button")) {
        node->defaultValue = node->attribute(QStringLiteral("value"));
        node->defaultChecked = node->hasAttribute(QStringLiteral("checked"));
    } else if (node->is("select")) {
        QString first;
        bool haveFirst = false;
        for (const Node *option : elementsByTag(node, QStringLiteral("option"))) {
            const QString v = option->hasAttribute(QStringLiteral("value"))
                                  ? option->attribute(QStringLiteral("value"))
                                  : textContent(option).trimmed();
            if (!haveFirst) {
                first = v;
                haveFirst = true;
            }
            if (option->hasAttribute(QStringLiteral("selected"))) {
                first = v;
                break;
            }
        }
        node->defaultValue = first;
    }
    node->value = node->defaultValue;
    node->checked = node->defaultChecked;
}

template <typename F> void Document::walk(const Node *from, F &&visit) const
{
    for (const auto &child : from->children) {
        if (!child->isElement())
            continue;
        if (!visit(child.get()))
            return;
        walk(child.get(), visit);
    }
}

Node *Document::body() const
{
    for (const auto &child : m_root->children) {
        if (child->is("body"))
            return child.get();
    }
    Node *found = nullptr;
    walk(m_root.get(), [&](Node *n) {
        if (n->is("body") && !found)
            found = n;
        return !found;
    });
    return found;
}

QString Document::title() const
{
    const QList<Node *> titles = elementsByTag(m_root.get(), QStringLiteral("title"));
    return titles.isEmpty() ? QString() : textContent(titles.first()).trimmed();
}

Node *Document::node(int id) const
{
    const auto found = m_nodes.find(id);
    return found == m_nodes.end() ? nullptr : found->second;
}

const QHash<QString, Node *> &Document::idMap() const
{
    if (m_idMapGeneration != m_generation) {
        m_idMap.clear();
        walk(m_root.get(), [&](Node *n) {
            const QString id = n->attribute(QStringLiteral("id"));
            if (!id.isEmpty() && !m_idMap.contains(id))
                m_idMap.insert(id, n);
            return true;
        });
        m_idMapGeneration = m_generation;
    }
    return m_idMap;
}

Node *Document::elementById(const QString &id) const
{
    // An id attribute changed by a script is found as well: check the cached node, else search.
    Node *n = idMap().value(id);
    if (n && n->attribute(QStringLiteral("id")) == id)
        return n;
    Node *found = nullptr;
    walk(m_root.get(), [&](Node *e) {
        if (e->attribute(QStringLiteral("id")) == id)
            found = e;
        return !found;
    });
    return found;
}

QList<Node *> Document::elementsByName(const QString &name) const
{
    QList<Node *> result;
    walk(m_root.get(), [&](Node *n) {
        if (n->attribute(QStringLiteral("name")) == name)
            result << n;
        return true;
    });
    return result;
}

QList<Node *> Document::elementsByTag(const Node *scope, const QString &tag) const
{
    QList<Node *> result;
    const QString lower = tag.toLower();
    walk(scope ? scope : m_root.get(), [&](Node *n) {
        if (lower == QLatin1String("*") || n->tag == lower)
            result << n;
        return true;
    });
    return result;
}

QList<Node *> Document::elementsWithId() const
{
    QList<Node *> result;
    walk(m_root.get(), [&](Node *n) {
        if (!n->attribute(QStringLiteral("id")).isEmpty())
            result << n;
        return true;
    });
    return result;
}

void Document::updateFormCache() const
{
    if (m_formsGeneration == m_generation)
        return;
    m_forms = elementsByTag(m_root.get(), QStringLiteral("form"));
    m_controls.clear();
    m_formsGeneration = m_generation;
}

QList<Node *> Document::forms() const
{
    updateFormCache();
    return m_forms;
}

QList<Node *> Document::formControls(const Node *form) const
{
    if (!form)
        return {};
    updateFormCache();
    auto it = m_controls.find(form);
    if (it == m_controls.end()) {
        QList<Node *> controls;
        walk(form, [&](Node *n) {
            if (n->isFormControl())
                controls << n;
            return true;
        });
        it = m_controls.insert(form, controls);
    }
    return *it;
}

Node *Document::formMember(const Node *form, const QString &name) const
{
    const QList<Node *> controls = formControls(form);
    for (Node *n : controls) {
        if (n->attribute(QStringLiteral("name")) == name)
            return n;
    }
    for (Node *n : controls) {
        if (n->attribute(QStringLiteral("id")) == name)
            return n;
    }
    return nullptr;
}

Node *Document::formOf(const Node *node) const
{
    for (Node *p = node ? node->parent : nullptr; p; p = p->parent) {
        if (p->is("form"))
            return p;
    }
    return nullptr;
}

void Document::resetForm(Node *form)
{
    for (Node *n : formControls(form)) {
        n->value = n->defaultValue;
        n->checked = n->defaultChecked;
    }
}

QString Document::textContent(const Node *node)
{
    if (!node)
        return QString();
    if (node->kind != Node::Kind::Element)
        return node->kind == Node::Kind::Text ? node->text : QString();
    if (node->bound)
        return node->value;
    QString result;
    for (const auto &child : node->children) {
        if (child->kind == Node::Kind::Text)
            result += child->text;
        else if (child->isElement())
            result += textContent(child.get());
    }
    return result;
}

void Document::setTextContent(Node *node, const QString &text)
{
    if (!node || !node->isElement())
        return;
    if (node->bound) {
        node->value = text;
        return;
    }
    if (node->is("textarea"))
        node->value = text;
    // Replacing the one text of an element keeps the tree's shape.
    if (!text.isEmpty() && node->children.size() == 1 && node->children.front()->kind == Node::Kind::Text) {
        node->children.front()->text = text;
        return;
    }
    removeChildren(node);
    if (!text.isEmpty()) {
        auto t = std::make_unique<Node>();
        t->kind = Node::Kind::Text;
        t->text = text;
        adopt(std::move(t), node);
    }
}

QString Document::escapeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString Document::escapeAttribute(const QString &text)
{
    QString out = escapeText(text);
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return out;
}

void Document::serialize(const Node *node, QString &out) const
{
    if (node->kind == Node::Kind::Text) {
        const bool raw = node->parent && (node->parent->is("script") || node->parent->is("style"));
        out += raw ? node->text : escapeText(node->text);
        return;
    }
    if (node->kind == Node::Kind::Comment) {
        out += QLatin1String("<!--") + node->text + QLatin1String("-->");
        return;
    }
    out += QLatin1Char('<') + node->tag;
    for (const auto &a : node->attributes) {
        if (node->is("input") && a.first == QLatin1String("value"))
            continue;
        out +=
            QLatin1Char(' ') + a.first + QLatin1String("=\"") + escapeAttribute(a.second) + QLatin1Char('"');
    }
    if (node->is("input") && (node->hasAttribute(QStringLiteral("value")) || !node->value.isEmpty()))
        out += QLatin1String(" value=\"") + escapeAttribute(node->value) + QLatin1Char('"');
    out += QLatin1Char('>');
    if (isVoid(node->tag))
        return;
    out += innerHtml(node);
    out += QLatin1String("</") + node->tag + QLatin1Char('>');
}

QString Document::innerHtml(const Node *node) const
{
    QString out;
    if (!node)
        return out;
    if (node->is("textarea") || node->bound)
        return escapeText(node->value);
    for (const auto &child : node->children)
        serialize(child.get(), out);
    return out;
}

QString Document::outerHtml(const Node *node) const
{
    QString out;
    if (node)
        serialize(node, out);
    return out;
}

void Document::setInnerHtml(Node *node, const QString &html)
{
    if (!node || !node->isElement())
        return;
    if (node->is("textarea") || node->bound) {
        setTextContent(node, html);
        return;
    }
    removeChildren(node);
    int depth = 0;
    for (const Node *p = node; p; p = p->parent)
        ++depth;
    DocumentBuilder{*this}.buildFragment(html, node, depth);
}

QString Document::styleValue(const Node *node, const QString &property)
{
    if (!node)
        return QString();
    const auto declarations = parseStyle(node->attribute(QStringLiteral("style")));
    for (const auto &d : declarations) {
        if (d.first == property)
            return d.second;
    }
    return QString();
}

void Document::setStyleValue(Node *node, const QString &property, const QString &value)
{
    if (!node || !node->isElement())
        return;
    auto declarations = parseStyle(node->attribute(QStringLiteral("style")));
    bool replaced = false;
    for (qsizetype i = 0; i < declarations.size(); ++i) {
        if (declarations[i].first != property)
            continue;
        if (value.isEmpty())
            declarations.removeAt(i);
        else
            declarations[i].second = value;
        replaced = true;
        break;
    }
    if (!replaced && !value.isEmpty())
        declarations.append({property, value});
    QStringList parts;
    for (const auto &d : declarations)
        parts << d.first + QLatin1String(": ") + d.second;
    node->setAttribute(QStringLiteral("style"), parts.join(QLatin1String("; ")));
}

bool Document::isHidden(const Node *node)
{
    if (!node->isElement())
        return false;
    if (node->is("input") && node->inputType() == QLatin1String("hidden"))
        return true;
    return styleValue(node, QStringLiteral("display")).compare(QLatin1String("none"), Qt::CaseInsensitive) ==
           0;
}

} // namespace ortelia::web
