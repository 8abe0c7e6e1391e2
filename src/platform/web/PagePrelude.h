#pragma once

#include <QString>

namespace ortelia::web {

// Script run first in every page: a function of the native bridge and the global object that
// builds the page's document model and returns its entry points (click, refresh, load).
QString pagePrelude();

} // namespace ortelia::web
