#include "BoundedProcess.h"
#include "PageHostServer.h"
#include "SpeechStandIn.h"
#include "TabularDataPages.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdlib>

#include <sys/prctl.h>
#include <unistd.h>

// "ortelia-pagehost": runs the pages of the windows that are not the program's own, one page per
// host, answering the window program that started it over standard input and output. Bounded as
// the page program is, and ended with the window program.
int main(int argc, char **argv)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Started by a window program that has gone already.
    if (::getppid() == 1)
        return ortelia::web::ScriptWatchdog::kEndedStatus;
    ortelia::web::BoundedProcess::enter();
    QCoreApplication app(argc, argv);
    ortelia::registerTabularDataObject();
    ortelia::web::PageHostServer server(STDIN_FILENO, STDOUT_FILENO);
    ortelia::SpeechStandIn::registerType(server);
    const int status = app.exec();
    // Qt's globals and the script engine's caches are left to the system.
    std::_Exit(status);
}
