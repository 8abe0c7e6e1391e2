#pragma once

#include <QByteArray>
#include <QString>

namespace ortelia {

// Whether a page, read as these bytes, is one of the program's own, whose code is ours: a
// dictionary page as the program writes it (LookupPage::dataObjectParams), or a page the program
// ships, byte for byte (sp, blank.htm, sprech.htm, text.htm). An edited copy is none.
bool isProgramPage(const QByteArray &bytes);

// Makes every page of the windows that is not the program's own run in the page host program
// (HeadlessPage::setPageHost).
void hostForeignPages(const QString &hostProgram);

} // namespace ortelia
