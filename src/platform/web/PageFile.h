#pragma once

#include <QByteArray>
#include <QString>

namespace ortelia::web::PageFile {

// Whether a file is a page (by its suffix; without a known one, by its first character being
// "<") rather than text to be shown as it is.
bool looksLikeHtml(const QString &path, const QByteArray &bytes);
// The page's text: Windows-1252 unless the page says UTF-8 (byte-order mark or a charset in its head).
QString decode(const QByteArray &bytes);

} // namespace ortelia::web::PageFile
