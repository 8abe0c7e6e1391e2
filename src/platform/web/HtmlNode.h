#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <memory>
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

} // namespace ortelia::web
