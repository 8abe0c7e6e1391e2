#include "TextUeberA.h"

#include "ui_TextUeberA.h"

#include "Catalogue.h"
#include "Dialogs.h"
#include "Dictionary.h"
#include "DictionaryFailureBox.h"
#include "HoverHelp.h"
#include "ListReading.h"
#include "OptionGroup.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Shell.h"
#include "SoundEffect.h"
#include "Speaker.h"
#include "TabLeaves.h"
#include "SpeechEngine.h"
#include "TranslationWalk.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"
#include "YellowField.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace ortelia {

namespace {

// Sizes in pixels: narrow and wide, low and tall; where the result frame stands.
constexpr int kNarrowWidth = 4600 / 15;
constexpr int kWideWidth = 9045 / 15;
constexpr int kLowHeight = 1125 / 15;
constexpr int kTallHeight = 9100 / 15;
constexpr int kResultsLeftNarrow = 50 / 15;
constexpr int kResultsLeftWide = 4440 / 15;
// The chooser's page is loaded a second before "??" is asked.
constexpr int kOwnPageSettle = 1000;

const QString kEnglishVoicePrompt = QStringLiteral(" Englische-Stimme >");
const QString kOtherVoicePrompt = QStringLiteral(" Stimme-Auswählen>");

} // namespace

TextUeberA::TextUeberA(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::TextUeberA>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    m_reading = new OptionGroup({ui->Option1_0, ui->Option1_1}, this);
    m_readingForeign = new OptionGroup({ui->Option1E_0, ui->Option1E_1}, this);
    for (QWidget *hiddenControl :
         {static_cast<QWidget *>(ui->List1D), static_cast<QWidget *>(ui->List1DE),
          static_cast<QWidget *>(ui->wbrWebBrowser), static_cast<QWidget *>(ui->speechX1),
          static_cast<QWidget *>(ui->speechX2)})
        hiddenControl->hide();

    for (QPlainTextEdit *field : {ui->Text, ui->TextE, ui->Text2})
        LetTabLeave(field);
    m_dictionary = new Dictionary(ui->wbrWebBrowser->page(), Dictionary::Hits::Hidden, this);
    connect(m_dictionary, &Dictionary::refused, this, [] { showDictionaryFailure(); });
    connectWalks();
    connectReading();
    connectLanguages();
    connectWindow();
    attachHoverHelp();
    ProgramRequests &requests = services.requests;
    WindowKeys::bind(
        services, this, [this] { ui->CloseButton->click(); },
        {{Qt::Key_F5, [&requests] { emit requests.translateClipboardAndOpen(TextDirection::German); }},
         {Qt::Key_F6, [&requests] { emit requests.translateClipboardAndOpen(TextDirection::Foreign); }}});
    for (QObject *watched : {static_cast<QObject *>(ui->Text1), static_cast<QObject *>(ui->Text1E),
                             static_cast<QObject *>(ui->Frame6), static_cast<QObject *>(ui->Frame7)})
        watched->installEventFilter(this);
}

TextUeberA::~TextUeberA() = default;

namespace {

TextUeberA *translator(WindowRegistry &registry)
{
    return static_cast<TextUeberA *>(registry.window(windows::TextUeberA));
}

TextUeberA *openTranslator(const WindowRegistry &registry)
{
    return static_cast<TextUeberA *>(registry.existing(windows::TextUeberA));
}

// The clipboard translator's "Mini-Fenster" switched off gives this height back.
constexpr int kMiniOffHeight = 7000 / 15;

} // namespace

void TextUeberA::answerRequests(WindowServices &services)
{
    ProgramRequests &requests = services.requests;
    QObject::connect(&requests, &ProgramRequests::translateText, &requests,
                     [&registry = services.windows](const QString &text, TextDirection direction) {
                         if (TextUeberA *w = translator(registry))
                             w->translateText(text, direction);
                     });
    QObject::connect(&requests, &ProgramRequests::openTextTranslatorWide, &requests,
                     [&registry = services.windows] {
                         if (TextUeberA *w = translator(registry))
                             w->openWide();
                     });
    QObject::connect(&requests, &ProgramRequests::closeTextTranslator, &requests,
                     [&registry = services.windows] {
                         if (TextUeberA *w = openTranslator(registry))
                             w->closeWindow();
                     });
    QObject::connect(&requests, &ProgramRequests::dropTextTranslator, &requests,
                     [&registry = services.windows] {
                         if (TextUeberA *w = openTranslator(registry))
                             w->dropWindow();
                     });
    QObject::connect(&requests, &ProgramRequests::setTextTranslatorMini, &requests,
                     [&registry = services.windows](bool mini) {
                         if (TextUeberA *w = translator(registry))
                             w->setHeight(mini ? 0 : kMiniOffHeight);
                     });
    QObject::connect(&requests, &ProgramRequests::flattenTextTranslator, &requests,
                     [&registry = services.windows] {
                         if (TextUeberA *w = translator(registry))
                             w->setHeight(0);
                     });
    QObject::connect(&requests, &ProgramRequests::arrangeTextTranslatorNarrow, &requests,
                     [&registry = services.windows](int height) {
                         if (TextUeberA *w = translator(registry))
                             w->arrangeNarrow(height);
                     });
    QObject::connect(&requests, &ProgramRequests::dictionaryChosen, &requests,
                     [&registry = services.windows](Served served) {
                         if (served != Served::TextTranslator)
                             return;
                         if (TextUeberA *w = translator(registry))
                             w->applyOwnDictionary();
                     });
}

void TextUeberA::Form_Load()
{
    m_listReading->fillVoices();
    m_listReading->showLanguages(m_services.state.textPair.second(), m_services.state.textPair.first());
    ui->wbrWebBrowser->navigate(ProgramFolder::path(QStringLiteral("T2")));
    m_yellow->loadPage();
    ui->Picture8->hide();
    ui->start2->hide();
    ui->Frame4->hide();
    m_services.state.textTranslatorOpen.set(true);
    ui->Text->clear();
    ui->TextE->clear();
    ui->SpeakButton->setText(QStringLiteral("Deutsch"));
    ui->SpeakButtonE->setText(QStringLiteral("Englisch"));
    ui->SpeedLabel->setText(QStringLiteral("Speed: %1 Millisekunden").arg(ui->HScroll1->value()));
    m_services.windows.hideControlsWithoutWindow(this);
}

// ---- the two directions ------------------------------------------------------------------

void TextUeberA::connectWalks()
{
    const TranslationWalk::Shared shared{m_dictionary, ui->List1,    ui->List2,    ui->lblText,
                                         ui->Label1,   ui->speechX1, ui->speechX2, ui->HScroll1};
    m_german =
        new TranslationWalk(shared,
                            {TextDirection::German, ui->Text, ui->List1D, ui->Text1, m_reading, ui->Check1,
                             ui->Command3, "Timer1D", "Timer1", "Timer2", "sprich1", "Timer5"},
                            this);
    m_foreign = new TranslationWalk(shared,
                                    {TextDirection::Foreign, ui->TextE, ui->List1DE, ui->Text1E,
                                     m_readingForeign, ui->Check2, ui->Command5, "Timer1DE", "Timer1E",
                                     "Timer2E", "sprich1E", "Timer6"},
                                    this);

    connect(ui->SpeakButton, &QPushButton::clicked, m_german, &TranslationWalk::translate);
    connect(ui->start2, &QPushButton::clicked, m_german, &TranslationWalk::translate);
    connect(ui->SpeakButtonE, &QPushButton::clicked, m_foreign, &TranslationWalk::translate);
    connect(ui->sprichD, &QPushButton::clicked, this, [this] {
        m_foreign->translate();
        m_foreign->readAfterwards();
    });
    connect(ui->Command2, &QPushButton::clicked, m_german, &TranslationWalk::lookUpNow);
    connect(ui->Command2E, &QPushButton::clicked, m_foreign, &TranslationWalk::lookUpNow);
    connect(ui->stopteim, &QPushButton::clicked, this, &TextUeberA::stopTranslation);
    connect(ui->StopButton, &QPushButton::clicked, this, [this] { m_services.speaker.stop(); });
    connect(ui->Command11, &QPushButton::clicked, ui->List1, &QListWidget::clear);
    connect(ui->Command12, &QPushButton::clicked, ui->List2, &QListWidget::clear);
    connect(ui->Command16, &QPushButton::clicked, this, [this] {
        ui->List1->clear();
        ui->List2->clear();
    });
    connect(ui->Command9, &QPushButton::clicked, ui->Text, &QPlainTextEdit::clear);
    connect(ui->Command10, &QPushButton::clicked, ui->TextE, &QPlainTextEdit::clear);

    connect(ui->HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        ui->SpeedLabel->setText(QStringLiteral("Speed: %1 Millisekunden").arg(value));
        m_german->setWordPause(value);
        m_foreign->setWordPause(value);
    });
    connect(ui->SpeedLabel, &ClickLabel::clicked, this,
            [this] { ui->HScroll1->setValue(m_services.speaker.engine().speed()); });
    // The slider follows the speed the options choose; 0: they have chosen none yet.
    Level &speed = m_services.state.readingSpeed;
    if (speed.value() > 0)
        ui->HScroll1->setValue(speed.value());
    connect(&speed, &Level::changed, ui->HScroll1, &QScrollBar::setValue);
    keepListsPaired();
}

void TextUeberA::stopTranslation()
{
    m_foreign->stop();
    m_german->stop();
    ui->StopButton->click();
}

// ---- reading aloud, the yellow field, pasting ----------------------------------------------

void TextUeberA::connectReading()
{
    m_listReading = new ListReading(m_services.speaker,
                                    {ui->List1, ui->List2, ui->speechX1, ui->speechX2, ui->SpeechFontCombo,
                                     ui->SpeechFontComboE, ui->Text3, ui->Text4, ui->PauseButton, ui->lblText,
                                     ui->Label1},
                                    this);
    // Each list in the voice of its language.
    connect(ui->Command3, &QPushButton::clicked, this,
            [this] { m_listReading->read(ui->List1, m_services.state.textPair.second()); });
    connect(ui->Command5, &QPushButton::clicked, this,
            [this] { m_listReading->read(ui->List2, m_services.state.textPair.first()); });
    connect(ui->PauseButton, &QPushButton::clicked, m_listReading, &ListReading::togglePause);
    connect(&m_services.state.textPair, &LanguagePair::changed, m_listReading, [this] {
        m_listReading->showLanguages(m_services.state.textPair.second(), m_services.state.textPair.first());
    });

    m_yellow = new YellowField({ui->Text2, ui->WebBrowser1, ui->List3}, this);
    const auto showForeign = [this] { m_yellow->show(ui->List1, ui->Label2); };
    const auto showGerman = [this] { m_yellow->show(ui->List2, ui->Label3); };
    connect(ui->List1, &QListWidget::itemClicked, this, showForeign);
    connect(ui->hrml, &QPushButton::clicked, this, showForeign);
    connect(ui->List2, &QListWidget::itemClicked, this, showGerman);
    connect(ui->html2, &QPushButton::clicked, this, showGerman);
    connect(ui->kop1, &QPushButton::clicked, m_yellow, &YellowField::copy);
    connect(ui->Picture5, &QToolButton::clicked, m_yellow, &YellowField::copy);
    connect(ui->Picture6, &QToolButton::clicked, m_yellow, &YellowField::print);
    connect(ui->speicherngast, &QPushButton::clicked, m_yellow, &YellowField::saveGuestFile);

    // Pasting: into an emptied input, onto the end of an input, or as the one word looked up.
    const auto pasteInto = [](QPlainTextEdit *input, bool replace) {
        if (replace)
            input->clear();
        input->setFocus();
        input->moveCursor(QTextCursor::End);
        input->paste();
    };
    connect(ui->Command6, &QPushButton::clicked, this, [this, pasteInto] { pasteInto(ui->Text, true); });
    connect(ui->ni, &QPushButton::clicked, this, [this, pasteInto] { pasteInto(ui->TextE, true); });
    connect(ui->Picture1, &QToolButton::clicked, this, [this, pasteInto] { pasteInto(ui->Text, false); });
    connect(ui->Picture2, &QToolButton::clicked, this, [this, pasteInto] { pasteInto(ui->TextE, false); });
    const auto pasteWord = [](QLineEdit *word) {
        word->setFocus();
        word->selectAll();
        word->paste();
    };
    connect(ui->einfDE, &QPushButton::clicked, this, [this, pasteWord] { pasteWord(ui->Text1); });
    connect(ui->einfGB, &QPushButton::clicked, this, [this, pasteWord] { pasteWord(ui->Text1E); });
    connect(ui->Label1, &ClickLabel::clicked, ui->Label1, &QLabel::clear);
}

// The foreign list leads: the German list shows the same first line and selects the same line.
void TextUeberA::keepListsPaired()
{
    connect(ui->List1->verticalScrollBar(), &QScrollBar::valueChanged, ui->List2->verticalScrollBar(),
            &QScrollBar::setValue);
    const auto followSelection = [this] {
        if (ui->List2->currentRow() != ui->List1->currentRow())
            ui->List2->setCurrentRow(ui->List1->currentRow());
    };
    connect(ui->List1, &QListWidget::currentRowChanged, this, followSelection);
    connect(ui->List2, &QListWidget::currentRowChanged, this, followSelection);
    // After the German list has grown or been emptied it is scrolled like the foreign list again.
    connect(ui->List2->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { ui->List2->verticalScrollBar()->setValue(ui->List1->verticalScrollBar()->value()); });
    connect(ui->List1, &QListWidget::itemDoubleClicked, this, [this] { removeSelectedPairs(ui->List1); });
    connect(ui->List2, &QListWidget::itemDoubleClicked, this, [this] { removeSelectedPairs(ui->List2); });
}

void TextUeberA::removeSelectedPairs(QListWidget *clicked)
{
    // The rows are taken first: removing an item moves the selection, which the other list follows.
    QList<int> rows;
    for (QListWidgetItem *item : clicked->selectedItems())
        rows << clicked->row(item);
    std::sort(rows.rbegin(), rows.rend());
    for (const int row : rows) {
        for (QListWidget *list : {ui->List1, ui->List2}) {
            if (row < list->count())
                delete list->takeItem(row);
        }
    }
}

bool TextUeberA::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == ui->Frame6 || watched == ui->Frame7)) {
        (watched == ui->Frame6 ? ui->Text1E : ui->Text1)->setFocus();
        return false;
    }
    if (event->type() == QEvent::KeyPress && (watched == ui->Text1 || watched == ui->Text1E)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == ui->Text1 ? m_german : m_foreign)->lookUpNow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- language pairs ----------------------------------------------------------------------

void TextUeberA::connectLanguages()
{
    const std::pair<QPushButton *, const char *> pairs[] = {
        {ui->DeEn, "DeEn"}, {ui->DeIt, "DeIt"}, {ui->DeFr, "DeFr"}, {ui->deGr, "DeGr"}, {ui->DeSp, "DeSp"}};
    for (const auto &[button, file] : pairs) {
        const QString name = QLatin1String(file);
        connect(button, &QPushButton::clicked, this, [this, name] { choosePair(name); });
    }
    const std::pair<ClickLabel *, const char *> books[] = {{ui->Label35, "DeEn"},
                                                           {ui->Label36, "DeIt"},
                                                           {ui->Label37, "DeFr"},
                                                           {ui->Label38, "DeGr"},
                                                           {ui->Label39, "DeSp"}};
    for (const auto &[label, file] : books) {
        const QString path =
            ProgramFolder::path(QStringLiteral("TranslateDeGb/%1.txt").arg(QLatin1String(file)));
        connect(label, &ClickLabel::clicked, this, [path] { Shell::editTextFile(path); });
    }
    connect(ui->land1, &QPushButton::clicked, ui->Frame4, [this] {
        ui->Frame4->show();
        ui->Frame4->raise();
    });
    connect(ui->landzu, &QPushButton::clicked, ui->Frame4, &QWidget::hide);
    connect(ui->Text5, &QLineEdit::textChanged, this, [this] { languageNameChanged(Side::First); });
    connect(ui->Text6, &QLineEdit::textChanged, this, [this] { languageNameChanged(Side::Second); });
    connect(ui->auswahl2, &QPushButton::clicked, this, &TextUeberA::applyOwnDictionary);
    connect(ui->auf, &QPushButton::clicked, this,
            [this] { emit m_services.requests.openChooser(Served::TextTranslator); });
    m_services.state.textPair.set(ui->Text5->text(), ui->Text6->text());
}

void TextUeberA::choosePair(const QString &file)
{
    const CatalogueEntry entry = catalogueEntry(file);
    const QString first = QStringLiteral("Deutsch");
    const QString second = entry.languageName;
    const QString caption = first + QLatin1Char('-') + second;
    ui->wbrWebBrowser->navigate(ProgramFolder::path(entry.page));
    ui->Frame1->setTitle(first);
    ui->Frame3->setTitle(second);
    ui->Frame7->setTitle(caption);
    ui->Frame6->setTitle(caption);
    ui->Text5->setText(first);
    ui->Text6->setText(second);
    ui->Text3->setText(file == QLatin1String("DeEn") ? kEnglishVoicePrompt : kOtherVoicePrompt);
    ui->Frame4->hide();
}

void TextUeberA::languageNameChanged(Side side)
{
    const bool first = side == Side::First;
    const QString name = (first ? ui->Text5 : ui->Text6)->text();
    (first ? ui->Frame1 : ui->Frame3)->setTitle(name);
    (first ? ui->SpeakButton : ui->SpeakButtonE)->setText(name);
    if (!first)
        ui->Frame6->setTitle(ui->Text5->text() + QLatin1Char('-') + name);
    pairCaptionsChanged();
}

void TextUeberA::pairCaptionsChanged()
{
    const QString first = ui->Text5->text();
    const QString second = ui->Text6->text();
    ui->Frame7->setTitle(first + QLatin1Char('-') + second);
    m_services.state.textPair.set(first, second);
}

void TextUeberA::applyOwnDictionary()
{
    ui->wbrWebBrowser->navigate(ProgramFolder::path(QStringLiteral("TranslateDeGb/sysx")));
    ui->List1->clear();
    ui->List2->clear();
    QTimer::singleShot(kOwnPageSettle, this, [this] {
        // The entry "??" of a dictionary answers with its two language names.
        const LookupAnswer names =
            m_dictionary->answer(QStringLiteral("??"), TextDirection::German).value_or(LookupAnswer{});
        takeOwnDictionaryNames(names.translation, names.note);
    });
}

void TextUeberA::takeOwnDictionaryNames(const QString &first, const QString &second)
{
    if (first.isEmpty()) {
        Dialogs::message(
            Dialogs::programTitle(),
            QStringLiteral("Achtung :Das gewählte Wörterbuch fehlt oder nennt seine Sprachen nicht "
                           "(Eintrag \"??\") [TranslateDeGb\\sysx]!"),
            this);
        return;
    }
    ui->Text5->setText(first);
    ui->Text6->setText(second);
    // The names are German words.
    QStringList request{ui->Text5->text() + QLatin1Char('+') + ui->Text6->text()};
    m_services.speaker.speakText(request, QStringLiteral("Deutsch"));
    ui->Frame4->hide();
}

// ---- window size, closing ------------------------------------------------------------------

void TextUeberA::connectWindow()
{
    connect(ui->Picture7, &QToolButton::clicked, this, [this] { setNarrow(true); });
    connect(ui->Picture8, &QToolButton::clicked, this, [this] { setNarrow(false); });
    connect(ui->Picture9, &QToolButton::clicked, this, [this] { setLow(true); });
    connect(ui->Picture10, &QToolButton::clicked, this, [this] { setLow(false); });
    connect(ui->fensterauf, &QPushButton::clicked, this, &TextUeberA::openWide);
    connect(ui->Command4, &QPushButton::clicked, this,
            [this] { m_services.windows.bringToFront(windows::Form3); });
    connect(ui->fensterklein, &QPushButton::clicked, this, [this] { setNarrow(true); });
    connect(ui->verstecken, &QPushButton::clicked, this, [this] {
        hide();
        PlaySoundEffect(QStringLiteral("verstecken1"));
    });
    connect(ui->fensterschlissen, &QPushButton::clicked, this, &TextUeberA::dropWindow);
    connect(ui->CloseButton, &QPushButton::clicked, this, &TextUeberA::closeWindow);
}

void TextUeberA::translateText(const QString &text, TextDirection direction)
{
    const bool german = direction == TextDirection::German;
    (german ? ui->Text : ui->TextE)->setPlainText(text);
    (german ? ui->SpeakButton : ui->SpeakButtonE)->click();
}

void TextUeberA::openWide()
{
    setLow(false);
    setNarrow(false);
}

void TextUeberA::arrangeNarrow(int height)
{
    ui->Frame2->move(kResultsLeftNarrow, ui->Frame2->y());
    ui->Picture7->hide();
    ui->Picture8->show();
    ui->Picture9->hide();
    resize(kNarrowWidth, height);
    // Placed before it is shown: a window manager places a window that comes up without a place
    // of its own itself, and a move just after would come too late.
    move(0, 0);
    show();
    raise();
}

void TextUeberA::setHeight(int height)
{
    // A window of no height is no size to Qt, which would keep the old one.
    resize(width(), std::max(height, 1));
}

void TextUeberA::setNarrow(bool narrow)
{
    ui->Frame2->move(narrow ? kResultsLeftNarrow : kResultsLeftWide, ui->Frame2->y());
    resize(narrow ? kNarrowWidth : kWideWidth, height());
    ui->Picture7->setVisible(!narrow);
    ui->Picture9->setVisible(!narrow);
    ui->Picture8->setVisible(narrow);
    PlaySoundEffect(narrow ? QStringLiteral("mini") : QStringLiteral("maxi"));
}

void TextUeberA::setLow(bool low)
{
    resize(width(), low ? kLowHeight : kTallHeight);
    if (low) {
        ui->Picture7->hide();
        ui->Picture10->show();
    } else {
        ui->Picture7->show();
    }
    ui->start2->setVisible(low);
    PlaySoundEffect(low ? QStringLiteral("mini") : QStringLiteral("maxi"));
}

void TextUeberA::closeWindow()
{
    if (m_closing)
        return;
    m_closing = true;
    dropWindow();
}

void TextUeberA::dropWindow()
{
    m_services.speaker.stop();
    m_services.state.textTranslatorOpen.set(false);
    m_services.windows.unload(windows::TextUeberA);
}

void TextUeberA::closeEvent(QCloseEvent *event)
{
    closeWindow();
    event->accept();
}

} // namespace ortelia
