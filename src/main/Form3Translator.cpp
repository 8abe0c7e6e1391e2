// The main window's side of the single-word translator: the panel opened and closed, the
// language choice and the chosen dictionary; and the clipboard read aloud.

#include "Form3.h"

#include "ui_Form3.h"

#include "ClipboardCapture.h"
#include "Dictionary.h"
#include "DictionaryFailureBox.h"
#include "ListLines.h"
#include "OptionsPanel.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "TextFile.h"
#include "TextRoutines.h"
#include "TranslatorPanel.h"
#include "WebBrowser.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QDir>
#include <QRadioButton>
#include <QTimer>

namespace ortelia {

namespace {

// The language panel in and out of view.
constexpr int kLanguagesTop = 100;
constexpr int kLanguagesOut = 344;

constexpr int kChosenDictionaryDelay = 1000;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The "hilfe.txt" of the current directory, where the page's help button reads a quoted text.
QString currentDirectoryHelpFile()
{
    return ProgramFolder::resolve(QDir::currentPath(), QStringLiteral("hilfe.txt"));
}

} // namespace

void Form3::connectTranslator()
{
    TranslatorPanel *translator = ui->Frame2;
    translator->setServices(m_services);
    m_dictionary = new Dictionary(ui->WebBrowser1->page(), Dictionary::Hits::Shown, this);
    connect(m_dictionary, &Dictionary::refused, this, [] { showDictionaryFailure(); });
    translator->setDictionary(*m_dictionary);
    connect(translator, &TranslatorPanel::pageWanted, this,
            [this](const QString &name) { ui->WebBrowser1->navigate(ProgramFolder::path(name)); });
    connect(translator, &TranslatorPanel::status, this, &Form3::setStatus);
    connect(translator, &TranslatorPanel::programFolderWanted, ui->Frame1, &OptionsPanel::showProgramFolder);
    connect(translator, &TranslatorPanel::languagesWanted, this,
            [this] { setPanelTop(ui->Frame4, kLanguagesTop); });
    connect(translator, &TranslatorPanel::closeWanted, this, &Form3::closeTranslatorPanel);
    connect(translator, &TranslatorPanel::textToSpeakWithProfile, this, [this](const QString &text) {
        const QStringList profile = m_services.speaker.voiceProfile();
        append(ui->List2, profile);
        append(ui->List1, profile);
        append(ui->List1, {text});
        QStringList request = listLines(ui->List1);
        ui->List1->clear();
        m_services.speaker.speakText(request, m_services.state.translatorPair.second());
    });
    connect(translator, &TranslatorPanel::recognitionWanted, this, [this] { writeClipboardFieldQuoted(); });
    connect(translator, &TranslatorPanel::keyboardWanted, this, [this] {
        m_services.state.keyboardServesTextTranslator.set(false);
        emit m_services.requests.openArabicKeyboard(Served::Translator);
    });
    connect(translator, &TranslatorPanel::closeDictationWanted, this,
            [this] { emit m_services.requests.closeDictation(); });

    connect(ui->DeEn, &QPushButton::clicked, this, [this] {
        chooseLanguage(QStringLiteral("T2"), QStringLiteral("Englisch"), {"Picture13G", "Picture1U1"},
                       {"PictureFr", "PictureSp", "PictureGr"});
    });
    connect(ui->DeFr, &QPushButton::clicked, this, [this] {
        chooseLanguage(QStringLiteral("T4"), QStringLiteral("Französisch"), {"PictureFr"}, {"PictureSp"});
    });
    connect(ui->deGr, &QPushButton::clicked, this, [this] {
        chooseLanguage(QStringLiteral("T5"), QStringLiteral("Griechisch"), {"PictureGr"},
                       {"PictureSp", "PictureFr", "PictureIt", "Picture13G"});
    });
    connect(ui->DeIt, &QPushButton::clicked, this, [this] {
        chooseLanguage(QStringLiteral("T3"), QStringLiteral("Italienisch"), {"PictureIt"},
                       {"Picture13G", "PictureFr", "PictureSp", "PictureGr"});
    });
    connect(ui->DeSp, &QPushButton::clicked, this, [this] {
        chooseLanguage(QStringLiteral("T6"), QStringLiteral("Spanisch"), {"PictureSp"},
                       {"PictureFr", "PictureGr", "PictureIt"});
    });
    connect(ui->landzu, &QPushButton::clicked, this, [this] { setPanelTop(ui->Frame4, kLanguagesOut); });
    connect(ui->laenderfenster, &QPushButton::clicked, this, [this] {
        emit m_services.requests.openChooser(Served::Translator);
        setPanelTop(ui->Frame4, kLanguagesOut);
    });
    connect(ui->weort, &QToolButton::clicked, this, [this] {
        emit m_services.requests.openChooser(Served::TextTranslator);
        ui->Picture20->hide();
    });
    connect(ui->Picture20, &QToolButton::clicked, ui->weort, &QToolButton::click);

    connect(ui->Command13, &QPushButton::clicked, this, [this] { openTranslatorPanel(false); });
    connect(ui->Command14, &QPushButton::clicked, this, [this] { openTranslatorPanel(true); });
    connect(ui->auswahl2, &QPushButton::clicked, this, &Form3::ApplyChosenDictionary);
    connect(ui->transzu, &QPushButton::clicked, this, &Form3::CloseTranslatorPanel);

    // The clipboard read aloud: paste, save, speak.
    connect(ui->EINFUEGEN, &QPushButton::clicked, this, [this] {
        ui->List1->clear();
        ui->Text1->clear();
        CaptureClipboard(ui->Text1);
    });
    connect(ui->speicherZ, &QPushButton::clicked, this, [this] {
        if (!writeClipboardFieldQuoted())
            ui->List1->clear();
    });
    connect(ui->sprech, &QPushButton::clicked, this,
            [this] {
                // The clipboard is read as German, by the German voice of the speaker last heard,
                // not by whatever voice another window picked last.
                Speaker &speaker = m_services.speaker;
                speaker.speak(speaker.inLanguage({quoted(ui->Text1->toPlainText())}, QStringLiteral("Deutsch")));
            });
    connect(ui->Text1, &QPlainTextEdit::textChanged, this,
            [this] { append(ui->List1, {ui->Text1->toPlainText()}); });
    connect(ui->Picture2, &QToolButton::clicked, this, &Form3::ReadClipboardAloud);
    connect(ui->zwischenab, &QPushButton::clicked, this, &Form3::ReadClipboardAloud);
}

// ---- dictionaries and the panel ----------------------------------------------------------

void Form3::chooseLanguage(const QString &page, const QString &caption, const QStringList &show,
                           const QStringList &hide)
{
    ui->WebBrowser1->navigate(ProgramFolder::path(page));
    ui->Frame2->showLanguage(caption, show, hide);
    setPanelTop(ui->Frame4, kLanguagesOut);
}

void Form3::openTranslatorPanel(bool dictation)
{
    if (!dictation) {
        m_services.state.keyboardServesTextTranslator.set(false);
        m_services.windows.showIfPossible(ui->Label26);
    }
    ui->Frame2->open(dictation);
}

void Form3::CloseTranslatorPanel()
{
    closeTranslatorPanel(true);
}

void Form3::closeTranslatorPanel(bool full)
{
    ui->Frame2->closePanel(full);
    setWide(false);
    if (!full)
        return;
    setPanelTop(ui->Frame4, kLanguagesOut);
    ui->Label26->hide();
}

void Form3::ApplyChosenDictionary()
{
    showWindow(windows::worter1);
    ui->WebBrowser1->navigate(ProgramFolder::path(QStringLiteral("TranslateDeGb/sysx")));
    setPanelTop(ui->Frame4, kLanguagesOut);
    ui->Frame2->hideLanguagePictures();
    ui->List1->clear();
    ui->List2->clear();
    // The page of the chosen dictionary is given a second before its names are asked for.
    QTimer::singleShot(kChosenDictionaryDelay, ui->Frame2, &TranslatorPanel::readLanguageNames);
}

// ---- reading aloud -----------------------------------------------------------------------

bool Form3::writeClipboardFieldQuoted()
{
    return TextFile::writeLinesInPlace(currentDirectoryHelpFile(), {quoted(ui->Text1->toPlainText())});
}

void Form3::ReadClipboardAloud()
{
    ui->EINFUEGEN->click();
    ui->speicherZ->click();
    ui->sprech->click();
}

void Form3::append(QListWidget *list, const QStringList &lines)
{
    list->addItems(lines);
}

} // namespace ortelia
