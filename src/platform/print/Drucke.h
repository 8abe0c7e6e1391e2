#pragma once

#include <QString>

namespace ortelia {

// Prints a text on the default printer: 10 point, wrapped at word boundaries, as many pages as
// the text needs. False when there is no printer or the printer does not take the job.
//
// With ORTELIA_PRINT_PDF=<file> set, the text goes into that PDF file instead of the printer
// (the tests read it back).
bool Drucke(const QString &text);

} // namespace ortelia
