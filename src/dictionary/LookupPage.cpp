#include "LookupPage.h"

#include "HtmlDocument.h"
#include "TextFile.h"

#include <algorithm>

namespace ortelia::LookupPage {

namespace {

QString withCrLf(const char *text)
{
    QString result = QString::fromUtf8(text);
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

// The search: the filled search fields become the data object's filter; the hit count decides
// whether the hit table is shown (a list of 64,572 hits or more is not shown at all).
const char kHead[] = R"HTML(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>Woerterbuch</title>
<style type="text/css">
body { background-color: #000000; color: #FFFF00; font-family: Verdana, Arial; }
</style>
<script language="JavaScript">
var Suchfelder = ["oberestextfeld", "SuchDeu", "unterestextfeld", "SuchEng", "zusatztextfeld", "SuchFra",
                  "zusatz2", "SuchIta", "zusatz1", "SuchSpa"];
function Suche() {
  var e = document.Eingabe;
  var tabelle = document.getElementById("Anzeigetabelle2M");
  var treffer = document.getElementById("Treffer");
  tabelle.style.display = "none";
  var teile = [];
  for (var i = 0; i < Suchfelder.length; i += 2) {
    var wert = e[Suchfelder[i + 1]].value;
    if (wert != "") teile.push(Suchfelder[i] + " = " + wert);
  }
  // A search without a word (callers read the emptied search field back and search again)
  // keeps the last answer in the result fields.
  var ergebnis = document.WS_Formular;
  var alt = teile.length == 0 ? [ergebnis.Textfeld.value, ergebnis.Textfeld2.value, ergebnis.Textfeld3.value] : null;
  Begriffe.Filter = teile.join(" & ");
  Begriffe.Reset();
  if (alt) {
    ergebnis.Textfeld.value = alt[0];
    ergebnis.Textfeld2.value = alt[1];
    ergebnis.Textfeld3.value = alt[2];
  }
  var anzahl = Begriffe.recordset.RecordCount;
  if (anzahl < 64572) {
    tabelle.dataPageSize = anzahl;
    treffer.innerText = anzahl + " Suchtreffer !";
    tabelle.style.display = "";
  } else {
    treffer.innerText = "0 Suchtreffer !";
  }
}
function DoOnWord(wort) {
  document.WS_Formular.Ausgabe.value = wort;
}
function Geladen() {
  document.getElementById("Warten").style.display = "none";
  document.Eingabe.SuchDeu.focus();
}
</script>
</head>
<body bgcolor="#000000" text="#FFFF00" oncontextmenu="return false" onload="Geladen()">
<div id="Warten"><font face="Verdana, Arial" size="2" color="#FFFFFF">Lade...Woerterbuch</font><br>
<img src="balkenL.gif" alt=""><br>
<font face="Verdana, Arial" size="1">Bitte Warten</font></div>
<form name="Eingabe" onsubmit="return false">
<input type="text" name="SuchDeu" id="Text" style="color:#000000; background-color:#000000; font-size:1px; width:1px; height:1px">
<input type="text" name="SuchEng" id="Text2" style="color:#000000; background-color:#000000; font-size:1px; width:1px; height:1px">
<input type="text" name="SuchFra" readonly style="color:#000000; background-color:#000000; font-size:1px; width:1px; height:1px">
<input type="text" name="SuchIta" readonly style="color:#000000; background-color:#000000; font-size:1px; width:1px; height:1px">
<input type="text" name="SuchSpa" readonly style="color:#000000; background-color:#000000; font-size:1px; width:1px; height:1px">
<input type="reset" name="suchenfeld" value="Suchen [ Strg ]" onclick="Suche()" style="color:#FFFF00; background-color:#000000; font-family:Verdana, Arial; font-size:8pt">
<input type="reset" name="englichsuche" value="Find [ Pfeil-rechts ]" onclick="Suche()" style="color:#FFFF00; background-color:#000000; font-family:Verdana, Arial; font-size:8pt">
<input type="reset" value="&lt;-suche-&gt;" onclick="Suche()" style="color:#FFFFFF; background-color:#000000; font-family:Verdana, Arial; font-size:8pt">
<input type="reset" value="&lt;-löschen&gt;" style="color:#FFFFFF; background-color:#000000; font-family:Verdana, Arial; font-size:8pt">
</form>
<form name="WS_Formular" onsubmit="return false">
<input type="text" name="Ausgabe" maxlength="25" size="25" style="color:#FFFFFF; background-color:#000000; font-family:Verdana, Arial; font-size:10pt">
<textarea name="Textfeld" datasrc="#Begriffe" datafld="oberestextfeld" rows="1" cols="40" style="text-transform:lowercase; color:#FFFF00; background-color:#000000; font-family:Verdana, Arial; font-size:10pt"></textarea>
<textarea name="Textfeld3" datasrc="#Begriffe" datafld="zusatztextfeld" rows="1" cols="40" style="color:#FFFFFF; background-color:#000000; font-family:Verdana, Arial; font-size:10pt"></textarea>
<textarea name="Textfeld2" datasrc="#Begriffe" datafld="unterestextfeld" rows="1" cols="40" style="color:#FFFF00; background-color:#000000; font-family:Verdana, Arial; font-size:10pt"></textarea>
</form>
<font face="Verdana, Arial" size="2" color="#FFFFFF"><span id="Treffer"></span></font>
<table id="Anzeigetabelle2M" datasrc="#Begriffe" border="1" cellpadding="2" cellspacing="0" style="display:none">
<thead><tr><th><font color="#FFFFFF">Deutsch</font></th><th><font color="#FFFFFF">Übersetzung</font></th><th><font color="#FFFFFF">Zusatz</font></th></tr></thead>
<tbody><tr>
<td><font face="Verdana, Arial" size="2" color="#FFFF00"><span datafld="oberestextfeld"></span></font></td>
<td><font face="Verdana, Arial" size="2" color="#FFFFFF"><span datafld="unterestextfeld"></span></font></td>
<td><font face="Verdana, Arial" size="2" color="#FFFFFF"><span datafld="zusatztextfeld"></span></font></td>
</tr></tbody>
</table>
<p><font face="Verdana, Arial" size="1" color="#FFFFFF">
<object id="Begriffe" classid="clsid:333C7BC4-460F-11D0-BC04-0080C7055A83">
  )HTML";

} // namespace

QString head() { return withCrLf(kHead); }

QString label2() { return QStringLiteral("<param name=\"DataURL\" value=\""); }

QString label3() { return QStringLiteral(".txt\">"); }

QString dataSourceLine(const QString &name) { return label2() + web::Document::escapeAttribute(name) + label3(); }

QString tail()
{
    return QStringLiteral("\r\n\r\n  <param name=\"UseHeader\" value=\"true\">\r\n"
                          "  <param name=\"FieldDelim\" value=\";\">\r\n"
                          "</object>\r\n"
                          "</font></p>\r\n"
                          "\r\n"
                          "</body>\r\n"
                          "</html>\r\n");
}

namespace {
QString page(const QString &sourceLine) { return head() + sourceLine + tail() + QStringLiteral("\r\n"); }

const QLatin1String kBaseFormsParam("\r\n  <param name=\"BaseForms\" value=\"");
const QLatin1String kParamEnd("\">");

// A value that the page holds as it is: nothing in it is escaped, and the page's parser takes it
// back unchanged.
bool writtenAsItIs(QStringView value)
{
    return std::none_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() < 0x20 || c == u'&' || c == u'"' || c == u'<' || c == u'>';
    });
}
} // namespace

QString text(const QString &name) { return page(dataSourceLine(name)); }

bool write(const QString &path, const QString &name) { return TextFile::write(path, text(name)).ok(); }

QString fixedPageText(const QString &name, const QString &baseForms)
{
    return page(dataSourceLine(name) + kBaseFormsParam + web::Document::escapeAttribute(baseForms) + kParamEnd);
}

bool writeFixed(const QString &path, const QString &name, const QString &baseForms)
{
    return TextFile::write(path, fixedPageText(name, baseForms)).ok();
}

std::optional<QMap<QString, QString>> dataObjectParams(const QString &pageText)
{
    const QString start = head() + label2();
    const QString end = tail() + QStringLiteral("\r\n");
    if (pageText.size() < start.size() + end.size() || !pageText.startsWith(start) || !pageText.endsWith(end))
        return std::nullopt;
    const QStringView middle = QStringView(pageText).sliced(start.size(), pageText.size() - start.size() - end.size());
    // No name written as it is holds Label3, which has a quote.
    const qsizetype nameEnd = middle.indexOf(label3());
    if (nameEnd < 0 || !writtenAsItIs(middle.first(nameEnd)))
        return std::nullopt;
    QMap<QString, QString> params{{QStringLiteral("DataURL"), middle.first(nameEnd).toString() + QStringLiteral(".txt")},
                                  {QStringLiteral("UseHeader"), QStringLiteral("true")},
                                  {QStringLiteral("FieldDelim"), QStringLiteral(";")}};
    const QStringView rest = middle.sliced(nameEnd + label3().size());
    if (rest.isEmpty())
        return params;
    if (rest.size() < kBaseFormsParam.size() + kParamEnd.size() || !rest.startsWith(kBaseFormsParam) ||
        !rest.endsWith(kParamEnd))
        return std::nullopt;
    const QStringView baseForms = rest.sliced(kBaseFormsParam.size(), rest.size() - kBaseFormsParam.size() - kParamEnd.size());
    if (!writtenAsItIs(baseForms))
        return std::nullopt;
    params.insert(QStringLiteral("BaseForms"), baseForms.toString());
    return params;
}

bool writeWithSourceLine(const QString &path, const QString &sourceLine)
{
    return TextFile::write(path, page(sourceLine)).ok();
}

} // namespace ortelia::LookupPage
