#include "TranslatorPanel.h"

#include "ui_TranslatorPanel.h"

#include "ArtIcon.h"
#include "CopyableText.h"
#include "Dictionary.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "ListLines.h"
#include "Speaker.h"
#include "SuggestionLine.h"
#include "TextRoutines.h"
#include "VoiceChoice.h"
#include "WindowRegistry.h"
#include "WindowServices.h"
#include "WordListPopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace ortelia {

namespace {

// The panel's place when open, and its left edge when closed.
constexpr QPoint kOpen(133, 62);
constexpr int kClosedLeft = 568;
// The dictation delay when dictation starts, and the wait for the page's results.
constexpr int kDictationDelay = 600;
constexpr int kFetchDelay = 500;
// Dictation starts this long after the panel opens in dictation mode.
constexpr int kDictationStartDelay = 3000;

// The entry of every dictionary that answers with its two language names.
const QString kLanguageNamesEntry = QStringLiteral("??");

const QString kTranslatorText = QStringLiteral(
    "Translator: Schreiben Sie ein deutsches Wort in das obere Textfeld oder ein Wort der Landessprache in "
    "das untere Textfeld und drücken Sie die [Enter]-Taste. Ich zeige die Übersetzung an und spreche sie "
    "aus. Die Auswahl der Landessprache mit Klick auf [Land?].");

} // namespace

TranslatorPanel::TranslatorPanel(QWidget *parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::TranslatorPanel>())
{
    ui->setupUi(this);
    Timer1T = new FormTimer(QStringLiteral("Timer1T"), 0, false, this);
    Timer2T = new FormTimer(QStringLiteral("Timer2T"), 0, false, this);
    Timer4 = new FormTimer(QStringLiteral("Timer4"), 600, false, this);
    Timer5 = new FormTimer(QStringLiteral("Timer5"), 600, false, this);

    const std::pair<QToolButton *, const char *> pictures[] = {
        {ui->Picture1U1, "flag-de.svg"},   {ui->Picture13G, "flag-de-en.svg"},
        {ui->PictureFr, "flag-de-fr.svg"}, {ui->PictureGr, "flag-de-gr.svg"},
        {ui->PictureIt, "flag-de-it.svg"}, {ui->PictureSp, "flag-de-sp.svg"},
        {ui->schlTrans, "schliessen.svg"},
    };
    for (const auto &[button, file] : pictures)
        setArtIcon(button, file);

    for (QLineEdit *field : {ui->TextD, ui->TextEng, ui->Text2, ui->Text3})
        field->installEventFilter(this);
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
    connect(ui->HScroll3, &QScrollBar::valueChanged, this, &TranslatorPanel::setAutoSearchDelay);
    connect(ui->HScroll3, &QScrollBar::valueChanged, this, &TranslatorPanel::dictationPaceChanged);
    connect(ui->Label24, &ClickLabel::clicked, this, [this] { startDictation(Direction::German); });
    connect(ui->Label25, &ClickLabel::clicked, this, [this] { endDictation(Direction::German); });
    connect(ui->Label28, &ClickLabel::clicked, this, [this] { startDictation(Direction::Foreign); });
    connect(ui->Label29, &ClickLabel::clicked, this, [this] { endDictation(Direction::Foreign); });
    connect(ui->Command7, &QPushButton::clicked, this, [this] {
        if (QWidget *dictation = m_services->windows.window(windows::Speaking))
            dictation->show();
    });

    connect(ui->land1, &QPushButton::clicked, this, &TranslatorPanel::languagesWanted);
    connect(ui->buch, &QPushButton::clicked, this, [this] {
        emit programFolderWanted();
        SearchGerman(ui->TextD->text());
    });
    connect(ui->Picture1U1, &QToolButton::clicked, ui->TextD, &QLineEdit::clear);
    connect(ui->Picture13G, &QToolButton::clicked, ui->TextEng, &QLineEdit::clear);
    connect(ui->Label22ZU, &ClickLabel::clicked, this, [this] { emit closeWanted(true); });
    connect(ui->schlTrans, &QToolButton::clicked, this, [this] { emit closeWanted(false); });

    connect(ui->Label21G, &ClickLabel::clicked, this, [this] {
        // The German side, in German.
        QStringList request{ui->Label21G->text()};
        m_services->speaker.speakText(request, QStringLiteral("Deutsch"));
    });
    connect(ui->Label21, &ClickLabel::clicked, this,
            [this] { emit textToSpeakWithProfile(ui->Label21->text()); });
    connect(ui->lblText, &ClickLabel::clicked, this, [this] {
        emit recognitionWanted();
        m_services->speaker.speak(m_lastTranslation);
    });

    connect(ui->Text5, &QLineEdit::textChanged, this, [this](const QString &name) {
        ui->suche->setText(name);
        emit languageNamesChanged(name, ui->Text6->text());
    });
    connect(ui->Text6, &QLineEdit::textChanged, this, [this](const QString &name) {
        ui->englisch->setText(name);
        emit languageNamesChanged(ui->Text5->text(), name);
        if (name == QLatin1String("Arabisch"))
            emit keyboardWanted();
    });
    attachHoverHelp();
    attachWordLists();
    attachAnswerLines();
}

TranslatorPanel::~TranslatorPanel() = default;

void TranslatorPanel::attachWordLists()
{
    const auto attach = [this](QLineEdit *field, Direction direction, const QString &name) {
        const TextDirection side = direction == Direction::German ? TextDirection::German : TextDirection::Foreign;
        auto *list = new WordListPopup(field, [this, side](const QString &typed) {
            return m_dictionary ? m_dictionary->wordsBeginning(typed, side, WordListPopup::kMostWords)
                                : QStringList();
        });
        list->setObjectName(name);
        // A picked word is searched as if it had been typed and Enter pressed.
        connect(list, &WordListPopup::picked, this, [this, field, direction](const QString &word) {
            search(direction, word);
            field->clear();
        });
    };
    attach(ui->TextD, Direction::German, QStringLiteral("wordListD"));
    attach(ui->TextEng, Direction::Foreign, QStringLiteral("wordListEng"));
}

void TranslatorPanel::attachAnswerLines()
{
    for (QLabel *label : std::initializer_list<QLabel *>{ui->lblText, ui->Label21G, ui->Label21, ui->grammarLine,
                                                                     ui->notFoundLine})
        CopyableText::attach(label);
    m_suggestionLine = new SuggestionLine(ui->notFoundLine);
    connect(m_suggestionLine, &SuggestionLine::lookUpWanted, this, [this](const QString &word, TextDirection side) {
        search(side == TextDirection::German ? Direction::German : Direction::Foreign, word);
    });
}

void TranslatorPanel::setDictionary(Dictionary &dictionary)
{
    m_dictionary = &dictionary;
    connect(&dictionary, &Dictionary::finished, this, &TranslatorPanel::answered);
}

void TranslatorPanel::setServices(WindowServices &services)
{
    m_services = &services;
}

void TranslatorPanel::load()
{
    ui->Label29->hide();
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->PictureSp, ui->PictureFr, ui->PictureIt, ui->PictureGr,
                                          ui->HScroll3, ui->Check2, ui->Check3, ui->Check4})
        w->hide();
}

// ---- searching -----------------------------------------------------------------------------

void TranslatorPanel::SearchGerman(const QString &word)
{
    search(Direction::German, word);
}

void TranslatorPanel::SearchForeign(const QString &word)
{
    search(Direction::Foreign, word);
}

void TranslatorPanel::lookUpWord(const QString &word, TextDirection direction)
{
    const bool german = direction == TextDirection::German;
    (german ? ui->TextD : ui->TextEng)->setText(word);
    (german ? ui->suche : ui->englisch)->click();
}

bool TranslatorPanel::dictating() const
{
    return !ui->Text2->isHidden();
}

void TranslatorPanel::showDictatedWord(const QString &word)
{
    ui->Text2->setText(word);
}

int TranslatorPanel::dictationPace() const
{
    return ui->HScroll3->value();
}

void TranslatorPanel::setDictationPace(int milliseconds)
{
    ui->HScroll3->setValue(milliseconds);
}

void TranslatorPanel::selectVoiceLine(const QString &line)
{
    const QList<QListWidgetItem *> found = ui->List3->findItems(line, Qt::MatchExactly);
    if (found.isEmpty())
        ui->List3->setCurrentRow(-1);
    else
        ui->List3->setCurrentItem(found.first());
}

void TranslatorPanel::showLanguageName(bool first, const QString &name)
{
    (first ? ui->suche : ui->englisch)->setText(name);
}

namespace {

// "*" and "??" alone are no word: "??" is the dictionary's record of the language names.
bool onlyWildcards(const QString &word)
{
    const QString bare = word.trimmed();
    return !bare.isEmpty() &&
           std::all_of(bare.begin(), bare.end(), [](QChar c) { return c == u'*' || c == u'?' || c.isSpace(); });
}

} // namespace

void TranslatorPanel::search(Direction direction, const QString &word)
{
    if (onlyWildcards(word))
        return;
    const bool german = direction == Direction::German;
    FormTimer *fetch = german ? Timer1T : Timer2T;
    ui->List3->clear();
    ui->List4->clear();
    fetch->setEnabled(true);
    m_dictionary->lookUp(word, german ? TextDirection::German : TextDirection::Foreign);
    fetch->setInterval(kFetchDelay);
}

void TranslatorPanel::answered(const QString &word, TextDirection direction, const std::optional<LookupAnswer> &answer)
{
    if (word == kLanguageNamesEntry && m_languageNamesWanted) {
        m_languageNamesWanted = false;
        if (answer) {
            ui->Text5->setText(answer->translation);
            ui->Text6->setText(answer->note);
        }
        sayLanguageNames();
        return;
    }
    if (answer)
        ui->txtDate->setText(answer->searchField);
    m_answer = answer;
    m_answerWord = word;
    m_answerDirection = direction;
    const bool nothing = answer && answer->translation.isEmpty() && answer->german.isEmpty();
    m_suggestions = nothing && !word.trimmed().isEmpty() ? m_dictionary->suggestions(word, direction) : QStringList();
}

void TranslatorPanel::fetchResults(Direction direction)
{
    const QStringList profile = m_services->speaker.voiceProfile();
    ui->List3->addItems(profile);
    ui->List4->addItems(profile);
    // Without an answer (no page) the labels keep what they show.
    const bool notFound = m_answer && m_answer->translation.isEmpty() && m_answer->german.isEmpty() &&
                          !m_answerWord.isEmpty();
    if (m_answer) {
        ui->lblText->setText(m_answer->translation);
        ui->Label21G->setText(m_answer->german);
        ui->Label21->setText(m_answer->note);
        ui->grammarLine->setText(m_dictionary ? m_dictionary->grammar(m_answer->german).line() : QString());
    }
    ui->List3->addItem(ui->lblText->text());
    ui->List4->addItem(ui->Label21G->text());
    QListWidget *list = direction == Direction::German ? ui->List3 : ui->List4;
    // The answer in the voice of its language: the pair's foreign one, or German.
    const QString language = VoiceChoice::answerLanguage(
        ui->Text5->text(), ui->Text6->text(),
        direction == Direction::German ? TextDirection::German : TextDirection::Foreign);
    QStringList request = m_services->speaker.inLanguage(listLines(list), language);
    list->clear();
    m_lastTranslation = request;
    m_services->speaker.speakTranslation(request);
    (direction == Direction::German ? Timer1T : Timer2T)->setEnabled(false);
    // Where the answer would stand, and through the help line, which reads it aloud when automatic
    // reading is on: after the translation's request, which would cut that reading short.
    if (notFound)
        HoverHelp::setHelpText(m_suggestionLine->show(m_answerWord, m_suggestions, m_answerDirection));
    else if (m_answer)
        m_suggestionLine->hide();
}

void TranslatorPanel::typedFieldChanged(Direction direction)
{
    QLineEdit *field = direction == Direction::German ? ui->TextD : ui->TextEng;
    const QString lower = field->text().toLower();
    if (lower != field->text())
        field->setText(lower);
    field->setCursorPosition(int(field->text().size()));
}

bool TranslatorPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return fieldKey(watched, static_cast<QKeyEvent *>(event));
    return false;
}

bool TranslatorPanel::fieldKey(QObject *field, QKeyEvent *event)
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

void TranslatorPanel::dictationFieldChanged(Direction direction)
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

void TranslatorPanel::dictationTimerFired(Direction direction)
{
    const bool german = direction == Direction::German;
    QLineEdit *field = german ? ui->Text2 : ui->Text3;
    // A dictated field that holds only the wildcard typed after the last word ends the round:
    // another "*" would come back every pause, each one searched.
    const bool wordDictated = !onlyWildcards(field->text());
    search(direction, field->text());
    field->clear();
    if (ui->Check2->isChecked() && wordDictated) {
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

void TranslatorPanel::startDictation(Direction direction)
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
    if (german) {
        m_services->windows.showIfPossible(ui->Command7);
        emit dictationChanged(true);
    }
}

void TranslatorPanel::endDictation(Direction direction)
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
        emit closeDictationWanted();
        ui->Command7->hide();
        emit dictationChanged(false);
    }
}

void TranslatorPanel::setAutoSearchDelay(int milliseconds)
{
    Timer4->setInterval(milliseconds);
    Timer5->setInterval(milliseconds);
    ui->Label22->setText(QString::number(milliseconds));
}

// ---- opening, closing, languages ---------------------------------------------------------

void TranslatorPanel::open(bool dictation)
{
    // The German-English page, unless the user has chosen another pair: that one stays.
    if (!m_pairChosen)
        emit pageWanted(QStringLiteral("T2"));
    if (dictation) {
        HoverHelp::setHelpText(QStringLiteral(
            "Zuzadivi Zeverovazur 4.: Für eine Mikrofon unterstützte Sprachsteuerung im Diktiermodus."));
        emit status(
            QStringLiteral("Zuzadivi Zeverovazur 4.: Sprechendes Translator Wörterbuch. Für eine Mikrofon "
                           "unterstützte Sprachsteuerung im  Diktiermodus."));
    } else {
        emit status(kTranslatorText);
    }
    move(kOpen);
    show();
    raise();
    ui->Label25->hide();
    endDictation(Direction::German);
    ui->Command7->hide();
    if (!m_pairChosen) {
        // The names of the pair also give the voices of its answers.
        ui->Text5->setText(QStringLiteral("Deutsch"));
        ui->Text6->setText(QStringLiteral("Englisch"));
        ui->englisch->setText(QStringLiteral("Englisch"));
        ui->suche->setText(QStringLiteral("Deutsch"));
    }
    if (dictation)
        QTimer::singleShot(kDictationStartDelay, this, [this] { startDictation(Direction::German); });
}

void TranslatorPanel::closePanel(bool full)
{
    hide();
    move(kClosedLeft, y());
    Timer4->setEnabled(false);
    Timer5->setEnabled(false);
    if (!full)
        return;
    emit closeDictationWanted();
    ui->Command7->hide();
}

void TranslatorPanel::showLanguage(const QString &caption, const QStringList &show, const QStringList &hide)
{
    ui->Label21G->setText(QStringLiteral("Deutsch"));
    ui->lblText->setText(caption);
    clearAnswer();
    m_pairChosen = true;
    ui->Text5->setText(QStringLiteral("Deutsch"));
    ui->Text6->setText(caption);
    for (const QString &name : show) {
        if (auto *picture = findChild<QWidget *>(name))
            picture->show();
    }
    for (const QString &name : hide) {
        if (auto *picture = findChild<QWidget *>(name))
            picture->hide();
    }
}

void TranslatorPanel::hideLanguagePictures()
{
    for (QWidget *picture : {ui->Picture13G, ui->PictureFr, ui->PictureSp, ui->PictureGr, ui->Picture1U1})
        picture->hide();
    clearAnswer();
    ui->lblText->clear();
    ui->Label21G->clear();
}

void TranslatorPanel::clearAnswer()
{
    ui->Label21->clear();
    ui->grammarLine->clear();
    m_answer.reset();
    m_suggestions.clear();
    m_suggestionLine->hide();
}

void TranslatorPanel::readLanguageNames()
{
    m_languageNamesWanted = true;
    m_pairChosen = true;
    m_dictionary->lookUp(kLanguageNamesEntry, TextDirection::German);
}

void TranslatorPanel::sayLanguageNames()
{
    // The names are German words.
    QStringList request{ui->Text5->text() + QLatin1Char('+') + ui->Text6->text()};
    m_services->speaker.speakText(request, QStringLiteral("Deutsch"));
}

void TranslatorPanel::attachHoverHelp()
{
    using O = HoverHelp::Options;
    const auto plain = [](QWidget *control, const QString &text) { HoverHelp::attach(control, text); };
    O yellow;
    yellow.highlight = HoverHelp::yellow();
    O exit;
    exit.highlight = HoverHelp::lightRed();

    plain(ui->Check2,
          QStringLiteral("Sie können das Sternchen-Zeichen [*] für Teilausdrücke verwenden. Suchen Sie "
                         "z.B. mal im [Oberen Textfeld] nach [hall*] das entspricht dem Wort [hallo]!"));
    {
        const QString text =
            QStringLiteral(" [Oberes Textfeld:] Nach jedem Leerzeichen automatisch Suchvorgang starten!");
        O options;
        options.alsoDo = [this, text] { ui->Label21->setText(text); };
        HoverHelp::attach(ui->Check3, text, options);
    }
    {
        const QString text =
            QStringLiteral("[Unteres Textfeld:] Nach jedem Leerzeichen automatisch Suchvorgang starten!");
        O options;
        options.alsoDo = [this, text] { ui->Label21->setText(text); };
        HoverHelp::attach(ui->Check4, QLatin1Char(' ') + text, options);
    }
    {
        const QString text = QStringLiteral(
            "Dragon NaturallySpeaking 8.0 Kompatibel. Suchen nur über das obere Textfeld. Zerlegt ganzen "
            "Satz in einzelne Worte.");
        O options = yellow;
        options.alsoDo = [this, text] { emit status(text); };
        HoverHelp::attach(ui->Command7, text, options);
    }
    {
        O options;
        options.onFocus = true;
        HoverHelp::attach(
            ui->HScroll3,
            QStringLiteral("Übersetzungsgeschwindigkeits Einstellung für Spracherkennung! Standard 600"),
            options);
    }
    plain(ui->TextD,
          QStringLiteral(" Oberes Translator Textfeld! Sie können das Sternchen-Zeichen [*] für "
                         "Teilausdrücke verwenden. Suchen Sie z.B. mal im [Oberen Textfeld] nach [hall*] "
                         "das entspricht dem Wort [hallo]!"));
    plain(ui->Text2, QStringLiteral("Deutsches Translator Textfeld für Sprachsteuerung!"));
    plain(ui->TextEng, QStringLiteral("Unteres Translator Textfeld!"));
    plain(ui->Label21, QStringLiteral("Mit Klick lese Ich diesen Text vor!"));
    plain(ui->Label21T,
          QStringLiteral("Hier erscheint die Übersetzung. Mit Klick auf ein Wort lese Ich es vor!"));
    plain(ui->Label22,
          QStringLiteral("Tip: Verzögerung der automatischen Suche im Diktiermodus in Millisekunden!"));
    HoverHelp::attach(ui->Label22ZU, QStringLiteral("Translator schließen!"), exit);
    HoverHelp::attach(ui->schlTrans, QStringLiteral("Translator schließen!"), exit);
    plain(ui->Label24, QStringLiteral("Oberes Textfeld über Spracherkennung: Diktiermodus einschalten!"));
    plain(ui->Label25,
          QStringLiteral("Spracherkennung Ende: Diktiermodus des oberen Textfeldes ausschalten!"));
    HoverHelp::attach(ui->land1, QStringLiteral("Land? Die Auswahl der Landessprache!"), yellow);
    HoverHelp::attach(ui->suche, QStringLiteral("Suche: Das Wort des oberen Textfeldes übersetzen!"), yellow);
    HoverHelp::attach(ui->englisch, QStringLiteral("Scan: Das Wort des unteren Textfeldes übersetzen!"),
                      yellow);
    HoverHelp::attach(ui->buch, QStringLiteral("Wörterbuch: Das Wort des oberen Textfeldes nachschlagen!"),
                      yellow);
}

} // namespace ortelia
