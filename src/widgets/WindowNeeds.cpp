// Which control opens or needs which window. A program without that window keeps the control
// out of sight, so no button leads nowhere.

#include "WindowRegistry.h"

#include <QAction>
#include <QWidget>

namespace ortelia {

namespace {

constexpr WindowNeed kNeeds[] = {
    {"Form3", "Command12", "TextUeberA"},  {"Form3", "textueber1", "TextUeberA"},
    {"Form3", "Label10", "TextUeberA"},    {"Form3", "Command8", "TextUeberA"},
    {"Form3", "Command9", "Logox4"},       {"Form3", "Command7", "Speaking"},
    {"Form3", "supertrannn", "supertrans1"}, {"Form3", "updates", "up1"},
    {"Form3", "zeiteinstellung", "zeit"},  {"Form3", "laenderfenster", "worter1"},
    {"Form3", "weort", "worter1"},         {"Form3", "Picture20", "worter1"},
    {"Form3", "Label26", "arabisch1"},     {"hilfe1", "updates", "up1"},
    {"hilfe1", "zeiteinstellung", "zeit"}, {"worter1", "arabisch", "arabisch1"},
    {"TextUeberA", "auf", "worter1"},     {"supertrans1", "stimmmuster", "Logox4"},
    {"ortelia", "HilfeFenster", "hilfe1"}, {"ortelia", "supert", "supertrans1"},
    {"ortelia", "uebersetzer", "TextUeberA"}, {"ortelia", "zw", "TextUeberA"},
    {"ortelia", "zw", "worter1"},         {"ortelia", "ztrans", "TextUeberA"},
    {"ortelia", "ude", "TextUeberA"},     {"ortelia", "ued", "TextUeberA"},
    {"ortelia", "sm", "Logox4"},          {"ortelia", "updatzeit", "zeit"},
    {"ortelia", "woeup", "up1"},
};

const WindowNeed *needOf(const QWidget *control)
{
    const QString window = control->window()->objectName();
    const QString name = control->objectName();
    for (const WindowNeed &need : kNeeds) {
        if (window == QLatin1String(need.window) && name == QLatin1String(need.control))
            return &need;
    }
    return nullptr;
}

} // namespace

std::span<const WindowNeed> windowNeeds()
{
    return kNeeds;
}

bool WindowRegistry::canShow(const QWidget *control) const
{
    const WindowNeed *need = needOf(control);
    return !need || isRegistered(QLatin1String(need->needs));
}

void WindowRegistry::hideControlsWithoutWindow(QWidget *window) const
{
    for (const WindowNeed &need : kNeeds) {
        if (window->objectName() != QLatin1String(need.window) || isRegistered(QLatin1String(need.needs)))
            continue;
        if (auto *control = window->findChild<QWidget *>(QLatin1String(need.control)))
            control->hide();
        else if (auto *entry = window->findChild<QAction *>(QLatin1String(need.control)))
            entry->setVisible(false);
    }
}

void WindowRegistry::showIfPossible(QWidget *control) const
{
    if (canShow(control))
        control->show();
}

} // namespace ortelia
