#pragma once

#include <QString>

namespace ortelia {

// "ortelia --help": every option and command, in German.
QString helpText();

} // namespace ortelia
