#pragma once

#include "WindowNames.h"

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
// first use without being shown, and lives until it is unloaded or the program ends.
//
// Creation has two phases: the window is built and registered as the instance, then its load
// step runs. A load that reaches back to the window that asked for it (or to itself) finds the
// one instance instead of building a second.
class WindowRegistry {
public:
    using Factory = std::function<QWidget *()>;
    using LoadStep = std::function<void(QWidget *)>;

    // Makes a window known; the program registers every window it has at start.
    static void registerWindow(const QString &name, Factory factory, LoadStep load = {});
    // A window class W with a public Form_Load(), its load step.
    template <class W> static void registerWindow(const QString &name)
    {
        registerWindow(
            name, [] { return new W; }, [](QWidget *w) { static_cast<W *>(w)->Form_Load(); });
    }
    static bool isRegistered(const QString &name);
    static QStringList registeredNames();

    // The window, created hidden on first use; nullptr when no such window is registered.
    static QWidget *window(const QString &name);
    // The window, created if needed, shown and brought to the front, also when it was hidden or
    // minimised; nullptr when no such window is registered.
    static QWidget *bringToFront(const QString &name);
    // The window if it exists now, without creating it.
    static QWidget *existing(const QString &name);
    // Destroys the window once the current handler has returned; the next use creates a fresh one.
    static void unload(const QString &name);
    // Destroys every window, the start window last.
    static void unloadAll();
    // Destroys every window now and forgets every factory (tests start from nothing).
    static void reset();

    // Whether a control may be shown: a control that opens or needs a window the program does not
    // have stays hidden (WindowNeeds.cpp holds the table).
    static bool canShow(const QWidget *control);
    // Hides every control of the window whose window the program does not have.
    static void hideControlsWithoutWindow(QWidget *window);
    // Shows the control when it may be shown.
    static void showIfPossible(QWidget *control);
};

} // namespace ortelia
