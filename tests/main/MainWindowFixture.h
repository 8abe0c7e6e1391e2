#pragma once

// What the main window's test programs share: the program's windows with fresh services for
// each test, and the main window's controls by name.

#include "Form3.h"
#include "ProgramWindows.h"
#include "TestServices.h"
#include "WindowRegistry.h"

#include <QtTest>

namespace ortelia::test {

// The program under test: the services of the last registerMainWindows().
inline TestServices *&mainProgram()
{
    static TestServices *program = nullptr;
    return program;
}

// The program's windows registered with fresh services; the services before go with their
// windows when the caller drops them.
inline std::unique_ptr<TestServices> registerMainWindows()
{
    auto program = std::make_unique<TestServices>();
    registerProgramWindows(program->services);
    mainProgram() = program.get();
    return program;
}

// The program's windows by name.
inline WindowRegistry &windowsOfProgram()
{
    return mainProgram()->windows;
}

// The main window, created hidden on first use.
inline Form3 *form()
{
    return qobject_cast<Form3 *>(windowsOfProgram().window(QStringLiteral("Form3")));
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
