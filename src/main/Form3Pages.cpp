// The main window's browser control WebBrowser1: the dictionary page of the translator, whose
// hits the wide window shows.

#include "Form3.h"

#include "ui_Form3.h"

#include "DictionaryFailureBox.h"
#include "LookUpOnPage.h"
#include "WebBrowser.h"

namespace ortelia {

QString Form3::lookUp(const QString &word, bool german)
{
    LookUpOnPage(ui->WebBrowser1->page(), word, german ? TextDirection::German : TextDirection::Foreign);
    if (ui->WebBrowser1->page().takeRefusedData())
        showDictionaryFailure();
    return ui->WebBrowser1->value(0, german ? QStringLiteral("SuchDeu") : QStringLiteral("SuchEng"));
}

std::optional<QString> Form3::pageResult(const QString &field) const
{
    // Without a loaded page the labels keep what they show.
    if (!ui->WebBrowser1->hasMember(1, field))
        return std::nullopt;
    return ui->WebBrowser1->value(1, field);
}

} // namespace ortelia
