#include "WindowKeys.h"

#include "ProgramRequests.h"
#include "Speaker.h"
#include "WindowNames.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ortelia {

WindowKeys *WindowKeys::bind(WindowServices &services, QWidget *window, Action close,
                             std::map<int, Action> more)
{
    std::map<int, Action> actions = {
        {Qt::Key_Escape, std::move(close)},
        {Qt::Key_F1,
         [&registry = services.windows] {
             if (QWidget *help = registry.window(windows::hilfe1))
                 help->show();
         }},
        {Qt::Key_F2, [&requests = services.requests] { emit requests.speakHelp(); }},
        {Qt::Key_F3, [&speaker = services.speaker] { speaker.stop(); }},
    };
    for (auto &[key, action] : more)
        actions[key] = std::move(action);
    return new WindowKeys(window, std::move(actions));
}

WindowKeys::WindowKeys(QWidget *window, std::map<int, Action> actions)
    : QObject(window), m_window(window), m_actions(std::move(actions))
{
    // Installed on the application so that the window sees a key before the control with the focus.
    qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const auto it = m_actions.find(static_cast<QKeyEvent *>(event)->key());
    if (it == m_actions.end() || !it->second)
        return false;
    it->second();
    return true;
}

} // namespace ortelia
