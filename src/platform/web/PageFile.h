#pragma once

#include <QByteArray>
#include <QString>

namespace ortelia::web::PageFile {

// Whether a file is a page (by its suffix; without a known one, by its first character being
// "<") rather than text to be shown as it is.
bool looksLikeHtml(const QString &path, const QByteArray &bytes);
// The page's text: Windows-1252 unless the page says UTF-8 (byte-order mark or a charset in its head).
QString decode(const QByteArray &bytes);
// Whether a page in pageDir may show or read path (links resolved): what lies in the program
// folder and, for a page of the user's own outside it, in the page's folder.
bool withinReach(const QString &pageDir, const QString &path);

} // namespace ortelia::web::PageFile
