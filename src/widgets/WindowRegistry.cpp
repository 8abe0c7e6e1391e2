#include "WindowRegistry.h"

#include "TabOnScreen.h"
#include "WindowRole.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QStringList>

namespace ortelia {

void WindowRegistry::registerWindow(const QString &name, Factory factory, LoadStep load)
{
    announceWindowsAsFrames();
    keepTabOnScreen();
    Entry &entry = m_entries[name];
    entry.factory = std::move(factory);
    entry.load = std::move(load);
}

bool WindowRegistry::isRegistered(const QString &name) const
{
    return m_entries.contains(name);
}

QStringList WindowRegistry::registeredNames() const
{
    QStringList names = m_entries.keys();
    names.sort();
    return names;
}

QWidget *WindowRegistry::window(const QString &name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end())
        return nullptr;
    if (it->instance)
        return it->instance;
    QWidget *created = it->factory();
    if (!created)
        return nullptr;
    if (created->objectName().isEmpty())
        created->setObjectName(name);
    // The factory may have used the registry itself, so the entry is looked up again.
    Entry &entry = m_entries[name];
    entry.instance = created;
    m_creationOrder.removeAll(name);
    m_creationOrder.append(name);
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

QWidget *WindowRegistry::existing(const QString &name) const
{
    auto it = m_entries.find(name);
    return it == m_entries.end() ? nullptr : it->instance.data();
}

void WindowRegistry::unload(const QString &name)
{
    auto it = m_entries.find(name);
    if (it == m_entries.end() || !it->instance)
        return;
    QWidget *w = it->instance;
    it->instance = nullptr;
    m_creationOrder.removeAll(name);
    // A window may unload itself from its own handler: it goes once that handler has returned.
    w->hide();
    w->deleteLater();
}

void WindowRegistry::unloadAll()
{
    // Newest first: the start window, created first, goes last.
    while (!m_creationOrder.isEmpty())
        unload(m_creationOrder.last());
}

WindowRegistry::~WindowRegistry()
{
    unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ortelia
