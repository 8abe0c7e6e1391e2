#pragma once

#include "WindowNames.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <span>

namespace ortelia {

// A control (of window) that opens or needs the window needs.
struct WindowNeed {
    const char *window;
    const char *control;
    const char *needs;
};
// Every such control of the program (WindowNeeds.cpp).
std::span<const WindowNeed> windowNeeds();

// The program's windows by name ("Form3", "hilfe1", "TextUeberA"...). A window is created on
// first use without being shown, and lives until it is unloaded or the registry ends; main()
// owns the program's one registry and hands it to the windows with the services.
//
// Creation has two phases: the window is built and registered as the instance, then its load
// step runs. A load that reaches back to the window that asked for it (or to itself) finds the
// one instance instead of building a second.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;
    using LoadStep = std::function<void(QWidget *)>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;
    // Destroys every window now: they use services that end with the registry.
    ~WindowRegistry();

    // Makes a window known; the program registers every window it has at start.
    void registerWindow(const QString &name, Factory factory, LoadStep load = {});
    bool isRegistered(const QString &name) const;
    QStringList registeredNames() const;

    // The window, created hidden on first use; nullptr when no such window is registered.
    QWidget *window(const QString &name);
    // The window, created if needed, shown and brought to the front, also when it was hidden or
    // minimised; nullptr when no such window is registered.
    QWidget *bringToFront(const QString &name);
    // The window if it exists now, without creating it.
    QWidget *existing(const QString &name) const;
    // Destroys the window once the current handler has returned; the next use creates a fresh one.
    void unload(const QString &name);
    // Destroys every window, the start window last.
    void unloadAll();

    // Whether a control may be shown: a control that opens or needs a window the program does not
    // have stays hidden (WindowNeeds.cpp holds the table).
    bool canShow(const QWidget *control) const;
    // Hides every control of the window whose window the program does not have.
    void hideControlsWithoutWindow(QWidget *window) const;
    // Shows the control when it may be shown.
    void showIfPossible(QWidget *control) const;

private:
    struct Entry {
        Factory factory;
        LoadStep load;
        QPointer<QWidget> instance;
    };
    QHash<QString, Entry> m_entries;
    QStringList m_creationOrder;
};

} // namespace ortelia
