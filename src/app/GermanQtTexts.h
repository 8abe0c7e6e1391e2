#pragma once

namespace ortelia {

// Qt's own texts (the buttons of standard dialogs, the context menus of text fields) in German,
// like the program's: Qt's translation qtbase_de (Debian: qt6-translations-l10n), installed on the
// running application. False, and Qt's English stays, when it is not installed.
bool useGermanQtTexts();

} // namespace ortelia
