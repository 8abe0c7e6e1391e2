#pragma once

#include "FileSave.h"

namespace ortelia {

// Shows why a settings file was not written (the file stays as it was); true when it was written.
bool reportSettingsSave(const SaveResult &saved);

} // namespace ortelia
