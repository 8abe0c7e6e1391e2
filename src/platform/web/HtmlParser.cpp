#include "HtmlParser.h"

#include "HtmlDocument.h"
#include "MarkupBounds.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <mutex>

namespace ortelia::web {

namespace {

// Deeper markup is cut off, so that no walk over the tree can exhaust the stack.
constexpr int kMaxDepth = 400;

QString fromXml(const xmlChar *text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char *>(text)) : QString();
}

struct XmlDocDeleter {
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocDeleter>;

XmlDocPtr parseHtml(const QString &html)
{
    static std::once_flag init;
    std::call_once(init, [] { xmlInitParser(); });
    const QByteArray bytes = html.toUtf8();
    if (bytes.trimmed().isEmpty() || !MarkupBounds::withinBounds(bytes))
        return nullptr;
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_IGNORE_ENC | HTML_PARSE_NODEFDTD;
    return XmlDocPtr(htmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, "UTF-8", options));
}

xmlNode *findElement(xmlNode *first, const char *name)
{
    for (xmlNode *n = first; n; n = n->next) {
        if (n->type != XML_ELEMENT_NODE)
            continue;
        if (xmlStrcasecmp(n->name, reinterpret_cast<const xmlChar *>(name)) == 0)
            return n;
        if (xmlNode *inner = findElement(n->children, name))
            return inner;
    }
    return nullptr;
}

} // namespace

void DocumentBuilder::buildPage(const QString &html)
{
    XmlDocPtr xml = parseHtml(html);
    if (!xml)
        return;
    if (xmlNode *page = findElement(xml->children, "html")) {
        for (const xmlAttr *a = page->properties; a; a = a->next) {
            xmlChar *value = xmlNodeListGetString(xml.get(), a->children, 1);
            doc.m_root->attributes.append({fromXml(a->name).toLower(), fromXml(value)});
            xmlFree(value);
        }
        convertChildren(page, doc.m_root.get(), 1);
    } else {
        for (const xmlNode *n = xml->children; n; n = n->next)
            convert(n, doc.m_root.get(), 1);
    }
}

void DocumentBuilder::buildFragment(const QString &html, Node *parent, int depth)
{
    XmlDocPtr xml = parseHtml(QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>"));
    if (!xml)
        return;
    if (xmlNode *body = findElement(xml->children, "body"))
        convertChildren(body, parent, depth);
}

void DocumentBuilder::convertChildren(const xmlNode *from, Node *to, int depth)
{
    if (depth > kMaxDepth)
        return;
    for (const xmlNode *n = from->children; n; n = n->next)
        convert(n, to, depth);
}

void DocumentBuilder::convert(const xmlNode *n, Node *to, int depth)
{
    if (doc.m_nodes.size() >= Document::kMaxNodes)
        return;
    auto node = std::make_unique<Node>();
    switch (n->type) {
    case XML_ELEMENT_NODE:
        node->tag = fromXml(n->name).toLower();
        for (const xmlAttr *a = n->properties; a; a = a->next) {
            xmlChar *value = xmlNodeListGetString(n->doc, a->children, 1);
            node->attributes.append({fromXml(a->name).toLower(), fromXml(value)});
            xmlFree(value);
        }
        break;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        node->kind = Node::Kind::Text;
        node->text = fromXml(n->content);
        break;
    case XML_COMMENT_NODE:
        node->kind = Node::Kind::Comment;
        node->text = fromXml(n->content);
        break;
    default:
        return;
    }
    Node *added = doc.adopt(std::move(node), to);
    if (added->isElement()) {
        convertChildren(n, added, depth + 1);
        doc.initControlState(added);
    }
}

} // namespace ortelia::web
