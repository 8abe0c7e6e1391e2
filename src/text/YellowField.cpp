#include "YellowField.h"

#include "Dialogs.h"
#include "Drucke.h"
#include "HtmlDocument.h"
#include "ProgramFolder.h"
#include "SoundEffect.h"
#include "TextFile.h"
#include "WebBrowser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace ortelia {

YellowField::YellowField(const Controls &controls, QObject *parent) : QObject(parent), m_controls(controls) {}

void YellowField::loadPage()
{
    m_controls.page->navigate(ProgramFolder::path(QStringLiteral("text.htm")));
}

QString YellowField::pageText()
{
    return m_controls.page->evaluateScript(QStringLiteral("document.body.innerText")).toString();
}

void YellowField::show(const QListWidget *list, QLabel *joined)
{
    QString text;
    for (int i = 0; i < list->count(); ++i)
        text += list->item(i)->text() + QStringLiteral("\r\n");
    joined->setText(text);
    // The list goes into the page as text: a dictionary line never brings markup into it.
    m_controls.page->setBodyHtml(web::Document::escapeText(text));
    m_controls.field->setPlainText(pageText());
}

void YellowField::copy()
{
    m_controls.page->focusDocument();
    // A list's first line tells the speech engine its voice ("#Standar Sprecher#"); the copy
    // holds the words only.
    static const QRegularExpression voiceMarkup(QStringLiteral("^\\s*(#[^#\\r\\n]*#)+\\s*$"));
    QStringList lines = pageText().split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return voiceMarkup.match(line).hasMatch(); });
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void YellowField::print()
{
    QWidget *window = m_controls.field->window();
    if (!Drucke(m_controls.field->toPlainText())) {
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung :Kein Kontakt zum Drucker!"), window);
        return;
    }
    PlaySoundEffect(QStringLiteral("ausdrucken"));
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung :Text im gelbem Textfeld wird zum Drucker übertragen!"), window);
}

void YellowField::saveGuestFile()
{
    QListWidget *saved = m_controls.saved;
    saved->addItem(m_controls.field->toPlainText());
    QStringList lines;
    for (int i = 0; i < saved->count(); ++i)
        lines += saved->item(i)->text().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    saved->clear();
    if (const SaveResult saved = TextFile::writeLines(ProgramFolder::path(QStringLiteral("Gast.txt")), lines); !saved)
        Dialogs::message(Dialogs::programTitle(), saved.message(QStringLiteral("Gast.txt")), m_controls.field->window());
}

} // namespace ortelia
