#include "ProgramWindows.h"

#include "Form3.h"
#include "HoverHelp.h"
#include "NotificationArea.h"
#include "ProgramState.h"
#include "Logox4.h"
#include "Speaker.h"
#include "Speaking.h"
#include "SpeechPageObject.h"
#include "TabularDataPages.h"
#include "TextUeberA.h"
#include "TrayWindow.h"
#include "WindowRegistry.h"
#include "WindowServices.h"
#include "arabisch1.h"
#include "hilfe1.h"
#include "supertrans1.h"
#include "up1.h"
#include "worter1.h"
#include "zeit.h"

namespace ortelia {

namespace {

// A window built with the services, loaded by its Form_Load() when it has one; the requests it
// answers connected once, for every instance it will have.
template <class W> void add(QLatin1String name, WindowServices &services)
{
    WindowRegistry::LoadStep load;
    if constexpr (requires(W * w) { w->Form_Load(); })
        load = [](QWidget *w) { static_cast<W *>(w)->Form_Load(); };
    services.windows.registerWindow(
        name, [&services] { return new W(services); }, load);
    if constexpr (requires { W::answerRequests(services); })
        W::answerRequests(services);
}

} // namespace

void registerProgramWindows(WindowServices &services)
{
    registerTabularDataObject();
    services.state.notificationArea.set(NotificationArea::isAvailable());
    // What the engine has to tell the user (a failed sound card, a voice that cannot be loaded)
    // goes where every explanation goes: the help label.
    QObject::connect(&services.speaker, &Speaker::message, &HoverHelp::setHelpText);
    SpeechPageObject::registerType(services.speaker.engine());
    add<Form3>(windows::Form3, services);
    add<hilfe1>(windows::hilfe1, services);
    add<TextUeberA>(windows::TextUeberA, services);
    add<worter1>(windows::worter1, services);
    add<up1>(windows::up1, services);
    add<zeit>(windows::zeit, services);
    add<supertrans1>(windows::supertrans1, services);
    add<Speaking>(windows::Speaking, services);
    add<Logox4>(windows::Logox4, services);
    add<arabisch1>(windows::arabisch1, services);
    add<TrayWindow>(windows::ortelia, services);
}

void startProgramWindows(WindowRegistry &registry, const QString &extraWindow)
{
    registry.window(windows::ortelia);
    registry.window(windows::Form3)->show();
    if (!extraWindow.isEmpty())
        registry.window(extraWindow)->show();
}

void showProgramWindow(WindowRegistry &registry, const QString &extraWindow)
{
    registry.bringToFront(windows::Form3);
    if (!extraWindow.isEmpty() && registry.isRegistered(extraWindow))
        registry.bringToFront(extraWindow);
}

} // namespace ortelia
