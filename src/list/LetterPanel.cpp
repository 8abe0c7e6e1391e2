#include "LetterPanel.h"

#include "ui_LetterPanel.h"

#include "Dialogs.h"
#include "Drucke.h"
#include "HoverHelp.h"
#include "LetterFile.h"
#include "ReadAloud.h"
#include "TabLeaves.h"

#include <QDir>

namespace ortelia {

LetterPanel::LetterPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::LetterPanel>())
{
    ui->setupUi(this);
    ui->speichern->setEnabled(false);
    LetTabLeave(ui->Text6);
    connect(ui->brieflesen, &QPushButton::clicked, this, &LetterPanel::readLetter);
    connect(ui->ausdrucken, &QPushButton::clicked, this, &LetterPanel::print);
    connect(ui->loesche, &QPushButton::clicked, ui->Text6, &QPlainTextEdit::clear);
    connect(ui->speichernunter, &QPushButton::clicked, this, &LetterPanel::saveAs);
    connect(ui->speichern, &QPushButton::clicked, this, &LetterPanel::save);
    attachHoverHelp();
}

LetterPanel::~LetterPanel() = default;

void LetterPanel::setSpeech(Speaker &speaker, std::function<QString()> voiceLine,
                            std::function<QString()> language)
{
    m_speaker = &speaker;
    m_voiceLine = std::move(voiceLine);
    m_language = std::move(language);
}

QString LetterPanel::text() const
{
    return ui->Text6->toPlainText();
}

void LetterPanel::focusEnd()
{
    ui->Text6->setFocus();
    ui->Text6->moveCursor(QTextCursor::End);
}

void LetterPanel::insertAtCaret(const QString &text)
{
    ui->Text6->insertPlainText(text);
}

void LetterPanel::attachHoverHelp()
{
    const auto help = [this](QWidget *control, const QString &text, QColor highlight) {
        HoverHelp::Options options;
        options.highlight = highlight;
        options.alsoDo = [this, text] { emit described(text); };
        HoverHelp::attach(control, text, options);
    };
    help(ui->brieflesen, QStringLiteral("Brief-Textfeld vorlesen lassen"), HoverHelp::yellow());
    help(ui->ausdrucken, QStringLiteral("Text ausdrucken"), HoverHelp::yellow());
    help(ui->loesche, QStringLiteral("Lösche Brief-Textfeld"), QColor(0xFF, 0xC0, 0xC0));
    help(ui->speichernunter, QStringLiteral("Text speichern unter..?"), HoverHelp::lightYellow());
    help(ui->speichern, QStringLiteral("Text speichern"), HoverHelp::lightYellow());
    connect(ui->Text7, &QLineEdit::textChanged, this, [this](const QString &path) {
        ui->speichern->setToolTip(QStringLiteral("Speicher Pfad => ") + path);
    });
    ui->speichern->setToolTip(QStringLiteral("Speicher Pfad => ") + ui->Text7->text());
}

void LetterPanel::readLetter()
{
    if (!m_speaker)
        return;
    // The request is one quoted line, so the quotes only enclose it and are not spoken; a
    // letter of several lines is read with blanks for its line breaks.
    QString letter = text();
    letter.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const ReadAloud::Result result =
        ReadAloud::read(*m_speaker, m_voiceLine() + letter, ReadAloud::Button::Hilfe, false, m_language());
    emit inputReset();
    if (result == ReadAloud::Result::NotWritten) {
        ReadAloud::reportNotWritten();
        emit requestNotWritten();
    }
}

void LetterPanel::print()
{
    Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung :Text wird zum Drucker übertragen!"),
                     this);
    if (!Drucke(text()))
        Dialogs::message(Dialogs::programTitle(), QStringLiteral("Achtung :Kein Kontakt zum Drucker!"), this);
}

void LetterPanel::saveAs()
{
    const QString path = Dialogs::saveFileName(QStringLiteral("speichern unter..."), QDir::currentPath(),
                                               QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)"), this);
    // Cancelled: nothing is written, not even to a path chosen before.
    if (path.isEmpty())
        return;
    ui->speichern->setEnabled(true);
    ui->Text7->setText(QDir::toNativeSeparators(path));
    if (saveTo(path))
        emit saved();
}

void LetterPanel::save()
{
    saveTo(QDir::fromNativeSeparators(ui->Text7->text()));
}

bool LetterPanel::saveTo(const QString &path)
{
    if (saveLetter(path, text()))
        return true;
    // The letter stays in the field, so the user can save it elsewhere.
    Dialogs::message(Dialogs::programTitle(),
                     QStringLiteral("Achtung : Schreibschutz entfernen [") + QDir::toNativeSeparators(path) +
                         QStringLiteral("]!"),
                     this);
    return false;
}

} // namespace ortelia
