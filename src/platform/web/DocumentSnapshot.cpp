#include "DocumentSnapshot.h"

#include "HostWire.h"
#include "HtmlDocument.h"

namespace ortelia::web {

namespace {

// The parser builds no deeper than 400 levels; innerHTML below them adds none.
constexpr int kMaxDepth = 410;
// A node takes at least this many bytes in the snapshot: kind, id, four empty strings, flags,
// attribute and child counts.
constexpr qint64 kMinNodeBytes = 1 + 4 + 4 * 4 + 3 + 4 + 4;

void writeNode(QDataStream &out, const Node &node)
{
    out << quint8(node.kind) << qint32(node.id);
    HostWire::writeString(out, node.tag);
    HostWire::writeString(out, node.text);
    HostWire::writeString(out, node.value);
    HostWire::writeString(out, node.defaultValue);
    out << node.checked << node.defaultChecked << node.bound << quint32(node.attributes.size());
    for (const auto &[name, value] : node.attributes) {
        HostWire::writeString(out, name);
        HostWire::writeString(out, value);
    }
    out << quint32(node.children.size());
    for (const auto &child : node.children)
        writeNode(out, *child);
}

} // namespace

void DocumentSnapshot::write(QDataStream &out, const Document &document)
{
    writeNode(out, *document.root());
}

struct SnapshotReader {
    Document &doc;
    QDataStream &in;

    bool node(Node *parent, int depth)
    {
        if (depth > kMaxDepth || doc.m_nodes.size() >= Document::kMaxNodes)
            return false;
        quint8 kind = 0;
        qint32 id = 0;
        in >> kind >> id;
        if (in.status() != QDataStream::Ok || kind > quint8(Node::Kind::Comment) || id < 0 ||
            doc.m_nodes.count(id) > 0)
            return false;
        auto made = std::make_unique<Node>();
        made->kind = Node::Kind(kind);
        made->id = id;
        quint32 attributes = 0;
        if (!HostWire::readString(in, made->tag) || !HostWire::readString(in, made->text) ||
            !HostWire::readString(in, made->value) || !HostWire::readString(in, made->defaultValue))
            return false;
        in >> made->checked >> made->defaultChecked >> made->bound;
        if (!HostWire::readCount(in, attributes, 8))
            return false;
        for (quint32 i = 0; i < attributes; ++i) {
            QString name, value;
            if (!HostWire::readString(in, name) || !HostWire::readString(in, value))
                return false;
            made->attributes.append({name, value});
        }
        quint32 children = 0;
        if (!HostWire::readCount(in, children, kMinNodeBytes))
            return false;
        Node *added = doc.place(std::move(made), parent);
        for (quint32 i = 0; i < children; ++i) {
            if (!node(added, depth + 1))
                return false;
        }
        return true;
    }
};

std::unique_ptr<Document> DocumentSnapshot::read(QDataStream &in)
{
    std::unique_ptr<Document> doc(new Document);
    if (!SnapshotReader{*doc, in}.node(nullptr, 0) || !doc->m_root || !doc->m_root->isElement() ||
        !doc->body())
        return nullptr;
    return doc;
}

} // namespace ortelia::web
