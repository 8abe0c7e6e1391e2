// The single-word translator of the main window: typed and dictated search, the language
// buttons, the results and what is spoken.

#include "Form3.h"

#include "ui_Form3.h"

#include "ClipboardCapture.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "ProgramFolder.h"
#include "SpeechPage.h"
#include "TextFile.h"
#include "TextRoutines.h"
#include "WebBrowser.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QRadioButton>

namespace ortelia {

namespace {

// Panel positions: the translator panel when open and closed, the language panel in and out of
// view.
constexpr QPoint kTranslatorOpen(133, 62);
constexpr int kTranslatorClosedLeft = 568;
constexpr int kLanguagesTop = 100;
constexpr int kLanguagesOut = 344;
// The dictation delay when dictation starts, and the wait for the page's results.
constexpr int kDictationDelay = 600;
constexpr int kFetchDelay = 500;

const QString kTranslatorText = QStringLiteral(
    "Translator: Schreiben Sie ein deutsches Wort in das obere Textfeld oder ein Wort der Landessprache in "
    "das untere Textfeld und drücken Sie die [Enter]-Taste. Ich zeige die Übersetzung an und spreche sie "
    "aus. Die Auswahl der Landessprache mit Klick auf [Land?].");

// The "hilfe.txt" of the current directory, where the page's help button reads a quoted text.
QString currentDirectoryHelpFile()
{
    return ProgramFolder::resolve(QDir::currentPath(), QStringLiteral("hilfe.txt"));
}

} // namespace

void Form3::connectTranslator()
{
    connect(ui->TextD, &QLineEdit::textChanged, this, [this] { typedFieldChanged(Direction::German); });
    connect(ui->TextEng, &QLineEdit::textChanged, this, [this] { typedFieldChanged(Direction::Foreign); });
    connect(ui->Text2, &QLineEdit::textChanged, this, [this] { dictationFieldChanged(Direction::German); });
    connect(ui->Text3, &QLineEdit::textChanged, this, [this] { dictationFieldChanged(Direction::Foreign); });
    connect(ui->suche, &QPushButton::clicked, this, [this] { SearchGerman(ui->TextD->text()); });
    connect(ui->englisch, &QPushButton::clicked, this, [this] { SearchForeign(ui->TextEng->text()); });
    connect(Timer1T, &FormTimer::timeout, this, [this] { fetchResults(Direction::German); });
    connect(Timer2T, &FormTimer::timeout, this, [this] { fetchResults(Direction::Foreign); });
    connect(Timer4, &FormTimer::timeout, this, [this] { dictationTimerFired(Direction::German); });
    connect(Timer5, &FormTimer::timeout, this, [this] { dictationTimerFired(Direction::Foreign); });
    connect(ui->HScroll3, &QScrollBar::valueChanged, this, &Form3::setAutoSearchDelay);
    connect(ui->Label24, &ClickLabel::clicked, this, [this] { startDictation(Direction::German); });
    connect(ui->Label25, &ClickLabel::clicked, this, [this] { endDictation(Direction::German); });
    connect(ui->Label28, &ClickLabel::clicked, this, [this] { startDictation(Direction::Foreign); });
    connect(ui->Label29, &ClickLabel::clicked, this, [this] { endDictation(Direction::Foreign); });

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
    connect(ui->land1, &QPushButton::clicked, this, [this] { setPanelTop(ui->Frame4, kLanguagesTop); });
    connect(ui->landzu, &QPushButton::clicked, this, [this] { setPanelTop(ui->Frame4, kLanguagesOut); });
    connect(ui->laenderfenster, &QPushButton::clicked, this, [this] {
        openChooser(true);
        setPanelTop(ui->Frame4, kLanguagesOut);
    });
    connect(ui->weort, &QToolButton::clicked, this, [this] {
        openChooser(false);
        ui->Picture20->hide();
    });
    connect(ui->Picture20, &QToolButton::clicked, ui->weort, &QToolButton::click);

    connect(ui->Command13, &QPushButton::clicked, this, [this] { openTranslatorPanel(false); });
    connect(ui->Command14, &QPushButton::clicked, this, [this] { openTranslatorPanel(true); });
    connect(ui->buch, &QPushButton::clicked, this, [this] {
        ui->Frame1->showProgramFolder();
        SearchGerman(ui->TextD->text());
    });
    connect(ui->Picture1U1, &QToolButton::clicked, ui->TextD, &QLineEdit::clear);
    connect(ui->Picture13G, &QToolButton::clicked, ui->TextEng, &QLineEdit::clear);
    connect(ui->auswahl2, &QPushButton::clicked, this, &Form3::ApplyChosenDictionary);
    connect(ui->Label22ZU, &ClickLabel::clicked, this, &Form3::CloseTranslatorPanel);
    connect(ui->transzu, &QPushButton::clicked, this, &Form3::CloseTranslatorPanel);
    connect(ui->schlTrans, &QToolButton::clicked, this, [this] { closeTranslatorPanel(false); });

    connect(ui->Label21G, &ClickLabel::clicked, this, [this] {
        QStringList request{ui->Label21G->text()};
        SpeakText(request);
    });
    connect(ui->Label21, &ClickLabel::clicked, this, [this] {
        const QStringList profile = LoadVoiceProfile();
        append(ui->List2, profile);
        append(ui->List1, profile);
        append(ui->List1, {ui->Label21->text()});
        QStringList request = lines(ui->List1);
        ui->List1->clear();
        SpeakText(request);
    });
    connect(ui->lblText, &ClickLabel::clicked, this, [this] {
        writeClipboardFieldQuoted();
        pressSpeechButton(QStringLiteral("erkennung"));
    });

    connect(ui->Text5, &QLineEdit::textChanged, this, [this](const QString &name) {
        ui->suche->setText(name);
        if (auto *label = WindowRegistry::control(ctl::arabisch1_Label56))
            label->setText(name);
    });
    connect(ui->Text6, &QLineEdit::textChanged, this, [this](const QString &name) {
        ui->englisch->setText(name);
        if (auto *label = WindowRegistry::control(ctl::arabisch1_Label56))
            label->setText(name);
        if (name == QLatin1String("Arabisch")) {
            if (auto *target = WindowRegistry::control(ctl::arabisch1_Option1_0))
                target->setChecked(true);
            showWindow(windows::arabisch1);
        }
    });

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
    connect(ui->sprech, &QPushButton::clicked, this, [this] { pressSpeechButton(QStringLiteral("Hilfe")); });
    connect(ui->Text1, &QPlainTextEdit::textChanged, this,
            [this] { append(ui->List1, {ui->Text1->toPlainText()}); });
    connect(ui->Picture2, &QToolButton::clicked, this, &Form3::ReadClipboardAloud);
    connect(ui->zwischenab, &QPushButton::clicked, this, &Form3::ReadClipboardAloud);
}

// ---- searching -----------------------------------------------------------------------------

void Form3::SearchGerman(const QString &word)
{
    search(Direction::German, word);
}

void Form3::SearchForeign(const QString &word)
{
    search(Direction::Foreign, word);
}

void Form3::search(Direction direction, const QString &word)
{
    const bool german = direction == Direction::German;
    FormTimer *fetch = german ? Timer1T : Timer2T;
    ui->List3->clear();
    ui->List4->clear();
    fetch->setEnabled(true);
    ui->txtDate->setText(lookUp(word, direction));
    fetch->setInterval(kFetchDelay);
}

void Form3::fetchResults(Direction direction)
{
    const QStringList profile = LoadVoiceProfile();
    append(ui->List3, profile);
    append(ui->List4, profile);
    const auto result = [this](const QString &field, QLabel *label) {
        if (const std::optional<QString> value = pageResult(field))
            label->setText(*value);
    };
    result(QStringLiteral("Textfeld2"), ui->lblText);
    result(QStringLiteral("Textfeld"), ui->Label21G);
    result(QStringLiteral("Textfeld3"), ui->Label21);
    append(ui->List3, {ui->lblText->text()});
    append(ui->List4, {ui->Label21G->text()});
    QListWidget *list = direction == Direction::German ? ui->List3 : ui->List4;
    QStringList request = lines(list);
    list->clear();
    SpeakTranslation(request);
    (direction == Direction::German ? Timer1T : Timer2T)->setEnabled(false);
}

void Form3::typedFieldChanged(Direction direction)
{
    QLineEdit *field = direction == Direction::German ? ui->TextD : ui->TextEng;
    const QString lower = field->text().toLower();
    if (lower != field->text())
        field->setText(lower);
    field->setCursorPosition(int(field->text().size()));
}

bool Form3::translatorKey(QObject *field, QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (field == ui->TextD || field == ui->TextEng) {
        if (!enter)
            return false;
        auto *edit = static_cast<QLineEdit *>(field);
        search(field == ui->TextD ? Direction::German : Direction::Foreign, edit->text());
        edit->clear();
        return true;
    }
    if (event->text() == QLatin1String(" ")) {
        const Direction direction = field == ui->Text2 ? Direction::German : Direction::Foreign;
        QLineEdit *edit = direction == Direction::German ? ui->Text2 : ui->Text3;
        QCheckBox *atBlank = direction == Direction::German ? ui->Check3 : ui->Check4;
        FormTimer *timer = direction == Direction::German ? Timer4 : Timer5;
        if (atBlank->isChecked()) {
            search(direction, edit->text());
            edit->clear();
            timer->setEnabled(false);
        }
        timer->restart(ui->HScroll3->value());
    }
    return false;
}

// ---- dictation mode ----------------------------------------------------------------------

void Form3::dictationFieldChanged(Direction direction)
{
    const bool german = direction == Direction::German;
    QLineEdit *field = german ? ui->Text2 : ui->Text3;
    FormTimer *timer = german ? Timer4 : Timer5;
    const QString lower = field->text().toLower();
    if (lower != field->text())
        field->setText(lower);
    field->setCursorPosition(int(field->text().size()));
    timer->setInterval(ui->HScroll3->value());
    timer->setEnabled(true);
}

void Form3::dictationTimerFired(Direction direction)
{
    const bool german = direction == Direction::German;
    QLineEdit *field = german ? ui->Text2 : ui->Text3;
    search(direction, field->text());
    field->clear();
    if (ui->Check2->isChecked()) {
        // The next dictated word lands in front of a "*" and is searched as a prefix.
        if (QWidget *focus = QApplication::focusWidget()) {
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Asterisk,
                                                             Qt::NoModifier, QStringLiteral("*")));
            QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier));
        }
    }
    Timer4->setEnabled(false);
    Timer5->setEnabled(false);
}

void Form3::startDictation(Direction direction)
{
    const bool german = direction == Direction::German;
    (german ? ui->TextD : ui->TextEng)->hide();
    QLineEdit *field = german ? ui->Text2 : ui->Text3;
    field->show();
    FormTimer *timer = german ? Timer4 : Timer5;
    timer->setInterval(kDictationDelay);
    timer->setEnabled(true);
    (german ? ui->Label24 : ui->Label28)->hide();
    (german ? ui->Label25 : ui->Label29)->show();
    field->setFocus();
    ui->HScroll3->show();
    ui->Check2->show();
    (german ? ui->Check3 : ui->Check4)->show();
    if (german)
        WindowRegistry::showIfPossible(ui->Command7);
}

void Form3::endDictation(Direction direction)
{
    const bool german = direction == Direction::German;
    (german ? ui->Text2 : ui->Text3)->hide();
    QLineEdit *typed = german ? ui->TextD : ui->TextEng;
    typed->show();
    (german ? Timer4 : Timer5)->setEnabled(false);
    (german ? ui->Label24 : ui->Label28)->show();
    (german ? ui->Label25 : ui->Label29)->hide();
    typed->setFocus();
    ui->HScroll3->hide();
    ui->Check2->hide();
    (german ? ui->Check3 : ui->Check4)->hide();
    if (german) {
        closeDictationWindow();
        ui->Command7->hide();
    }
}

void Form3::setAutoSearchDelay(int milliseconds)
{
    Timer4->setInterval(milliseconds);
    Timer5->setInterval(milliseconds);
    ui->Label22->setText(QString::number(milliseconds));
}

// ---- dictionaries and the panel ----------------------------------------------------------

void Form3::chooseLanguage(const QString &page, const QString &caption, const QStringList &show,
                           const QStringList &hide)
{
    ui->WebBrowser1->navigate(ProgramFolder::path(page));
    ui->Label21G->setText(QStringLiteral("Deutsch"));
    ui->lblText->setText(caption);
    for (const QString &name : show) {
        if (auto *picture = findChild<QWidget *>(name))
            picture->show();
    }
    for (const QString &name : hide) {
        if (auto *picture = findChild<QWidget *>(name))
            picture->hide();
    }
    setPanelTop(ui->Frame4, kLanguagesOut);
}

void Form3::openChooser(bool forThisWindow)
{
    QWidget *chooser = WindowRegistry::window(windows::worter1);
    if (!chooser)
        return;
    if (auto *target = WindowRegistry::control(ctl::worter1_Check1))
        target->setChecked(forThisWindow);
    if (forThisWindow)
        chooser->setWindowTitle(QStringLiteral("Wörterbücher-Translator"));
    chooser->show();
}

void Form3::openTranslatorPanel(bool dictation)
{
    ui->WebBrowser1->navigate(ProgramFolder::path(QStringLiteral("T2")));
    if (dictation) {
        setHelpLabel(QStringLiteral(
            "Zuzadivi Zeverovazur 4.: Für eine Mikrofon unterstützte Sprachsteuerung im Diktiermodus."));
        setStatus(
            QStringLiteral("Zuzadivi Zeverovazur 4.: Sprechendes Translator Wörterbuch. Für eine Mikrofon "
                           "unterstützte Sprachsteuerung im  Diktiermodus."));
    } else {
        setStatus(kTranslatorText);
    }
    ui->Frame2->move(kTranslatorOpen);
    ui->Frame2->show();
    ui->Frame2->raise();
    ui->Label25->hide();
    endDictation(Direction::German);
    ui->Command7->hide();
    if (!dictation) {
        if (auto *target = WindowRegistry::control(ctl::arabisch1_Option1_0))
            target->setChecked(true);
        WindowRegistry::showIfPossible(ui->Label26);
    }
    ui->englisch->setText(QStringLiteral("Englisch"));
    ui->suche->setText(QStringLiteral("Deutsch"));
    if (dictation) {
        pause(3.0);
        startDictation(Direction::German);
    }
}

void Form3::CloseTranslatorPanel()
{
    closeTranslatorPanel(true);
}

void Form3::closeTranslatorPanel(bool full)
{
    ui->Frame2->hide();
    ui->Frame2->move(kTranslatorClosedLeft, ui->Frame2->y());
    setWide(false);
    Timer4->setEnabled(false);
    Timer5->setEnabled(false);
    if (!full)
        return;
    setPanelTop(ui->Frame4, kLanguagesOut);
    closeDictationWindow();
    ui->Command7->hide();
    ui->Label26->hide();
}

void Form3::ApplyChosenDictionary()
{
    showWindow(windows::worter1);
    ui->WebBrowser1->navigate(ProgramFolder::path(QStringLiteral("TranslateDeGb/sysx")));
    setPanelTop(ui->Frame4, kLanguagesOut);
    for (QWidget *picture : {ui->Picture13G, ui->PictureFr, ui->PictureSp, ui->PictureGr, ui->Picture1U1})
        picture->hide();
    ui->List1->clear();
    ui->List2->clear();
    pause(1.0);
    // The entry "??" of a dictionary answers with its two language names; the dictation timer
    // searches it while this waits.
    ui->Text2->setText(QStringLiteral("??"));
    SearchGerman(ui->TextD->text());
    pause(3.0);
    if (const std::optional<QString> first = pageResult(QStringLiteral("Textfeld2")))
        ui->Text5->setText(*first);
    if (const std::optional<QString> second = pageResult(QStringLiteral("Textfeld3")))
        ui->Text6->setText(*second);
    ui->List1->clear();
    ui->List2->clear();
    QStringList request{ui->Text5->text() + QLatin1Char('+') + ui->Text6->text()};
    SpeakText(request);
}

void Form3::closeDictationWindow()
{
    // Only a dictation window that exists is closed; none is created for it.
    WindowRegistry::pressIfOpen(ctl::Speaking_zu1);
}

// ---- reading aloud -----------------------------------------------------------------------

bool Form3::writeClipboardFieldQuoted()
{
    return TextFile::writeLinesInPlace(currentDirectoryHelpFile(),
                                       {QLatin1Char('"') + ui->Text1->toPlainText() + QLatin1Char('"')});
}

void Form3::ReadClipboardAloud()
{
    ui->EINFUEGEN->click();
    ui->speicherZ->click();
    ui->sprech->click();
}

QStringList Form3::lines(const QListWidget *list) const
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

void Form3::append(QListWidget *list, const QStringList &lines)
{
    list->addItems(lines);
}

} // namespace ortelia
