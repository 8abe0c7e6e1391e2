#pragma once

// What the window test programs share: a fresh program folder with the dialog responder for each
// test, the program's windows registered anew, and the controls of the window under test and of
// the main window by name. For test programs that link the program's windows.

#include "ProgramWindows.h"
#include "SpeechEngine.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "WindowRegistry.h"

#include <QtTest>

namespace ortelia::test {

class WindowFixture : public QObject {
protected:
    explicit WindowFixture(QLatin1String windowName) : m_windowName(windowName) {}

    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<RecordingResponder> responder;
    std::unique_ptr<TestServices> program;

    void startProgram()
    {
        folder = std::make_unique<TempProgramFolder>();
        responder = std::make_unique<RecordingResponder>();
        program = std::make_unique<TestServices>();
        registerProgramWindows(program->services);
    }
    void stopProgram()
    {
        if (program)
            program->speaker.stop();
        program.reset();
        responder.reset();
        folder.reset();
    }
    QWidget *window() { return program->windows.window(m_windowName); }
    template <class T = QWidget> T *c(const char *name)
    {
        T *found = window()->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    template <class T = QWidget> T *mainControl(const char *name)
    {
        return program->windows.window(windows::Form3)->findChild<T *>(QLatin1String(name));
    }

private:
    QLatin1String m_windowName;
};

} // namespace ortelia::test
