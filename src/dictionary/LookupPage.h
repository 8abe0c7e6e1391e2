#pragma once

#include <QMap>
#include <QString>

#include <optional>

namespace ortelia {

// The lookup page that the dictionary chooser writes for a dictionary (and the build writes as
// T2 to T6): head template, data source line, tail template.
namespace LookupPage {

// The page head (the chooser's hidden Text2): styles, search script, forms, hit table, and the
// opening of the data object, up to its DataURL parameter.
QString head();
// The two fixed pieces of the data source line (the chooser's labels Label2 and Label3).
QString label2();
QString label3();
// Label2 + name + Label3: for "DeEn", <param name="DataURL" value="DeEn.txt">. The name is
// written as an attribute value (an "&", quote or angle bracket in it is escaped).
QString dataSourceLine(const QString &name);
// The page tail (the chooser's hidden Text3).
QString tail();
// Head + data source line + tail + CR LF.
QString text(const QString &name);
// Writes the page for the dictionary name to path (Windows-1252), replacing it atomically.
bool write(const QString &path, const QString &name);
// The program's own page T2..T6: the same page whose data object also answers unknown words with
// their base form (param BaseForms: the form table and the foreign Hunspell language, if any).
QString fixedPageText(const QString &name, const QString &baseForms);
bool writeFixed(const QString &path, const QString &name, const QString &baseForms);
// The same with the data source line as the chooser holds it.
bool writeWithSourceLine(const QString &path, const QString &sourceLine);
// The params of the data object when pageText is a page written above (text() or fixedPageText())
// for a name and base forms that need no escaping; nullopt for every other page. Such a page
// searches as its script does, and the lookup program answers it without loading it.
std::optional<QMap<QString, QString>> dataObjectParams(const QString &pageText);

} // namespace LookupPage
} // namespace ortelia
