#pragma once

// What the main window's test programs share: the program's windows with fresh services for
// each test, and the main window's controls by name.

#include "Form3.h"
#include "ProgramWindows.h"
#include "TestServices.h"
#include "WindowRegistry.h"

#include <QtTest>

namespace ortelia::test {

// Forgets every window and registers the program's windows anew with fresh services.
inline std::unique_ptr<TestServices> registerMainWindows()
{
    WindowRegistry::reset();
    auto program = std::make_unique<TestServices>();
    registerProgramWindows(program->services);
    return program;
}

// The main window, created hidden on first use.
inline Form3 *form()
{
    return qobject_cast<Form3 *>(WindowRegistry::window(QStringLiteral("Form3")));
}

// A named control of the main window; the test program stops when there is none.
template <class T = QWidget> T *control(const char *name)
{
    T *found = form()->findChild<T *>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The main window shown and active, as a person finds it after the start.
inline Form3 *shown()
{
    Form3 *f = form();
    f->show();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f))
        qWarning("window not active");
    return f;
}

} // namespace ortelia::test
