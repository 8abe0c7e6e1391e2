#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QStringList>

namespace ortelia {

namespace {

struct Entry {
    WindowRegistry::Factory factory;
    WindowRegistry::LoadStep load;
    QPointer<QWidget> instance;
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> map;
    return map;
}

QStringList &creationOrder()
{
    static QStringList order;
    return order;
}

} // namespace

void WindowRegistry::registerWindow(const QString &name, Factory factory, LoadStep load)
{
    Entry &entry = entries()[name];
    entry.factory = std::move(factory);
    entry.load = std::move(load);
}

bool WindowRegistry::isRegistered(const QString &name)
{
    return entries().contains(name);
}

QStringList WindowRegistry::registeredNames()
{
    QStringList names = entries().keys();
    names.sort();
    return names;
}

QWidget *WindowRegistry::window(const QString &name)
{
    auto it = entries().find(name);
    if (it == entries().end())
        return nullptr;
    if (it->instance)
        return it->instance;
    QWidget *created = it->factory();
    if (!created)
        return nullptr;
    if (created->objectName().isEmpty())
        created->setObjectName(name);
    // The factory may have used the registry itself, so the entry is looked up again.
    Entry &entry = entries()[name];
    entry.instance = created;
    creationOrder().removeAll(name);
    creationOrder().append(name);
    if (LoadStep load = entry.load)
        load(created);
    return created;
}

QWidget *WindowRegistry::bringToFront(const QString &name)
{
    QWidget *w = window(name);
    if (!w)
        return nullptr;
    if (w->isMinimized())
        w->showNormal();
    else
        w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget *WindowRegistry::existing(const QString &name)
{
    auto it = entries().find(name);
    return it == entries().end() ? nullptr : it->instance.data();
}

void WindowRegistry::unload(const QString &name)
{
    auto it = entries().find(name);
    if (it == entries().end() || !it->instance)
        return;
    QWidget *w = it->instance;
    it->instance = nullptr;
    creationOrder().removeAll(name);
    // A window may unload itself from its own handler: it goes once that handler has returned.
    w->hide();
    w->deleteLater();
}

void WindowRegistry::unloadAll()
{
    // Newest first: the start window, created first, goes last.
    while (!creationOrder().isEmpty())
        unload(creationOrder().last());
}

void WindowRegistry::reset()
{
    unloadAll();
    entries().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ortelia
