#include "HtmlNode.h"

namespace ortelia::web {

bool Node::hasAttribute(const QString &name) const
{
    for (const auto &a : attributes) {
        if (a.first == name)
            return true;
    }
    return false;
}

QString Node::attribute(const QString &name) const
{
    for (const auto &a : attributes) {
        if (a.first == name)
            return a.second;
    }
    return QString();
}

void Node::setAttribute(const QString &name, const QString &value)
{
    for (auto &a : attributes) {
        if (a.first == name) {
            a.second = value;
            return;
        }
    }
    attributes.append({name, value});
}

void Node::removeAttribute(const QString &name)
{
    for (qsizetype i = 0; i < attributes.size(); ++i) {
        if (attributes[i].first == name) {
            attributes.removeAt(i);
            return;
        }
    }
}

bool Node::isFormControl() const
{
    return is("input") || is("textarea") || is("select") || is("button");
}

QString Node::inputType() const
{
    const QString type = attribute(QStringLiteral("type")).toLower();
    return type.isEmpty() ? QStringLiteral("text") : type;
}

} // namespace ortelia::web
