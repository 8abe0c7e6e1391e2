#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace ortelia {

// The program's windows by name ("Form3", "hilfe1", "TextUeberA"...). A window is created on
// first use without being shown, and lives until it is unloaded or the program ends. Windows
// reach each other only through here, by the names of their controls, as they press each other's
// buttons and write into each other's fields.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;

    // Makes a window known; the program registers every window it has at start.
    static void registerWindow(const QString &name, Factory factory);
    static bool isRegistered(const QString &name);

    // The window, created hidden on first use; nullptr when no such window is registered.
    static QWidget *window(const QString &name);
    // The window if it exists now, without creating it.
    static QWidget *existing(const QString &name);
    // Destroys the window once the current handler has returned; the next use creates a fresh one.
    static void unload(const QString &name);
    // Destroys every window, the start window last.
    static void unloadAll();
    // Destroys every window now and forgets every factory (tests start from nothing).
    static void reset();

    // A named control of a window, creating the window if needed; nullptr when either is missing.
    template <class T = QWidget>
    static T *control(const QString &windowName, const QString &controlName)
    {
        QWidget *w = window(windowName);
        return w ? w->findChild<T *>(controlName) : nullptr;
    }

    // Presses a named button of a window, creating the window if needed; nothing when either is
    // missing.
    static void press(const QString &windowName, const QString &buttonName);
    // The same for a window that exists now; none is created for it.
    static void pressIfOpen(const QString &windowName, const QString &buttonName);
};

} // namespace ortelia
