#include "SettingsSaveBox.h"

#include "Dialogs.h"
#include "SettingsFiles.h"

namespace ortelia {

bool reportSettingsSave(const SaveResult &saved)
{
    if (!saved)
        Dialogs::message(Dialogs::programTitle(), SettingsFiles::failureMessage(saved));
    return saved.ok();
}

} // namespace ortelia
