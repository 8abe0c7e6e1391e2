#include "ProgramWindows.h"

#include "Form3.h"
#include "Logox4.h"
#include "Speaking.h"
#include "TabularDataPages.h"
#include "TextUeberA.h"
#include "TrayWindow.h"
#include "WindowRegistry.h"
#include "arabisch1.h"
#include "hilfe1.h"
#include "supertrans1.h"
#include "up1.h"
#include "worter1.h"
#include "zeit.h"

namespace ortelia {

void registerProgramWindows()
{
    registerTabularDataObject();
    WindowRegistry::registerWindow<Form3>(windows::Form3);
    WindowRegistry::registerWindow(windows::hilfe1, [] { return new hilfe1; });
    WindowRegistry::registerWindow<TextUeberA>(windows::TextUeberA);
    WindowRegistry::registerWindow<worter1>(windows::worter1);
    WindowRegistry::registerWindow<up1>(windows::up1);
    WindowRegistry::registerWindow<zeit>(windows::zeit);
    WindowRegistry::registerWindow<supertrans1>(windows::supertrans1);
    WindowRegistry::registerWindow<Speaking>(windows::Speaking);
    WindowRegistry::registerWindow<Logox4>(windows::Logox4);
    WindowRegistry::registerWindow<arabisch1>(windows::arabisch1);
    WindowRegistry::registerWindow<TrayWindow>(windows::ortelia);
}

void startProgramWindows(const QString &extraWindow)
{
    WindowRegistry::window(windows::ortelia);
    WindowRegistry::window(windows::Form3)->show();
    if (!extraWindow.isEmpty())
        WindowRegistry::window(extraWindow)->show();
}

void showProgramWindow(const QString &extraWindow)
{
    WindowRegistry::bringToFront(windows::Form3);
    if (!extraWindow.isEmpty() && WindowRegistry::isRegistered(extraWindow))
        WindowRegistry::bringToFront(extraWindow);
}

} // namespace ortelia
