#include "supertrans1.h"

#include "ui_supertrans1.h"

#include "Catalogue.h"
#include "Dialogs.h"
#include "DictionaryChoice.h"
#include "DictionaryModel.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "KeepOnScreen.h"
#include "ListDictionary.h"
#include "ListHoverHelp.h"
#include "ListLine.h"
#include "ListTexts.h"
#include "ProgramState.h"
#include "ReadAloud.h"
#include "SectionLists.h"
#include "Speaker.h"
#include "TextRoutines.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTimer>

namespace ortelia {

namespace {

// Widths in pixels: with and without the letter area.
constexpr int kLetterWidth = 10515 / 15;
constexpr int kNarrowWidth = 5715 / 15;

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kLightGrey(0xE0, 0xE0, 0xE0);
const QString kStandardVoice = QStringLiteral("#Standard Sprecher#");
const QString kExampleDictionary = QStringLiteral("Woerterbuch-Muster");

void setBackground(QWidget *field, const QColor &colour)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

QColor buttonColour(const QWidget *w)
{
    return w->style()->standardPalette().color(QPalette::Button);
}

} // namespace

supertrans1::supertrans1(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::supertrans1>()),
      m_model(new DictionaryModel(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    m_lists = new SectionLists(m_model, {ui->List1, ui->List2, ui->List3, ui->List4}, this);
    m_model->setLineHelp(lineGrammarHelp());
    m_loadTimer = new FormTimer(QStringLiteral("Timer1"), 1000, false, this);
    m_loadTimer->setObjectName(QStringLiteral("Timer1"));
    setBackground(ui->Text1, kLightGrey);
    ui->Brief->setSpeech(services.speaker, [this] { return voiceLine(); },
                         [this] { return catalogueEntry(m_loadedName).languageName; });
    // The sound box follows the program's mute; ticked here it silences only this window.
    ui->Check4->setChecked(services.state.muted.value());
    connect(&services.state.muted, &Flag::changed, ui->Check4, &QCheckBox::setChecked);

    connectSearch();
    connectReading();
    connectDictionaryChoice();
    connectPanel();
    attachHoverHelp();
    WindowKeys::bind(
        services, this, [this] { closeWindow(); }, arrowKeys());
    ui->Text3->installEventFilter(this);
    ui->Text1->installEventFilter(this);
}

supertrans1::~supertrans1() = default;

void supertrans1::Form_Load()
{
    LoadDictionary();
    hideLists();
    ui->Frame1->hide();
    ui->auswahlzu->hide();
    ui->List6->addItem(kStandardVoice);
    showDescription(ListTexts::kDescription);
    ui->Check2->setChecked(false);
    resize(kNarrowWidth, height());
    m_services.windows.hideControlsWithoutWindow(this);
}

// ---- loading -------------------------------------------------------------------------------

void supertrans1::LoadDictionary()
{
    setProgress(10);
    ListDictionary dictionary = ListDictionary::read(ui->Text2->text());
    setProgress(30);
    if (dictionary.outcome != ListDictionary::Outcome::Loaded) {
        // Refused whole: the dictionary loaded before stays in the lists, and its name in the field.
        hideProgress();
        showLoadedName();
        ListDictionary::report(dictionary.outcome);
        return;
    }
    m_loadedName = ui->Text2->text();
    setProgress(80);
    m_model->setSections(std::move(dictionary.sections));
    m_lists->showSections();
    ui->List5->clear();
    m_loadTimer->setEnabled(true);
}

// The load is finished once its timer ticks; the bars step up to 100 and go away.
void supertrans1::loadingCheck()
{
    const int stages[] = {20, 50, 75};
    for (int s = 0; s < 3; ++s) {
        if (m_model->section(s).size() >= 2)
            setProgress(stages[s]);
    }
    setProgress(100);
    m_loadTimer->setEnabled(false);
    ui->Text3->setFocus();
    setBackground(ui->Text3, HoverHelp::yellow());
    hideProgress();
}

void supertrans1::setProgress(int value)
{
    ui->ProgressBar1->setValue(value);
    m_services.state.listProgress.set(value);
}

void supertrans1::showProgress(bool mainWindowToo)
{
    ui->ProgressBar1->setValue(0);
    ui->ProgressBar1->show();
    if (mainWindowToo)
        m_services.state.listProgress.start();
}

void supertrans1::hideProgress()
{
    ui->ProgressBar1->hide();
    m_services.state.listProgress.finish();
}

// ---- search --------------------------------------------------------------------------------

void supertrans1::connectSearch()
{
    connect(m_loadTimer, &FormTimer::timeout, this, &supertrans1::loadingCheck);
    connect(ui->Text3, &QLineEdit::textChanged, this, &supertrans1::searchWholeWord);
    connect(ui->Text1, &QLineEdit::textChanged, this, &supertrans1::searchPrefix);
    connect(m_lists, &SectionLists::lineChosen, this, &supertrans1::showLine);
    connect(m_lists, &SectionLists::doubleClicked, this, [this] {
        setBackground(ui->Text3, HoverHelp::lightRed());
        readTranslation([this] { after(200, [this] { ui->Text3->clear(); }); });
    });
}

// Every entry line has ";" after its key, so the key followed by ";" finds the whole word only.
void supertrans1::searchWholeWord()
{
    hideLists();
    ui->Text1->setText(ui->Text3->text() + QLatin1Char(';'));
}

void supertrans1::searchPrefix()
{
    hideLists();
    setBackground(ui->Text3, m_lists->find(ui->Text1->text()) ? HoverHelp::yellow() : kWhite);
}

void supertrans1::showLine(const QString &line)
{
    ui->List5->clear();
    ui->Text4->setText(line);
    ui->Text5->setText(displayLine(line));
}

void supertrans1::hideLists()
{
    m_lists->hideAll();
}

// ---- reading -------------------------------------------------------------------------------

void supertrans1::connectReading()
{
    connect(ui->aufnehmen, &QPushButton::clicked, this, &supertrans1::takeSelection);
    connect(ui->lese1, &QPushButton::clicked, this, [this] { readField(0, false); });
    connect(ui->lese2, &QPushButton::clicked, this, [this] { readField(1, true); });
    connect(ui->lese3, &QPushButton::clicked, this, [this] { readField(2, false); });
    connect(ui->lese12, &QPushButton::clicked, this,
            [this] { readField(0, false, [this] { after(1000, [this] { readField(1, true); }); }); });
    connect(ui->lesegesamt, &QPushButton::clicked, this, [this] {
        const QString line = ui->Text5->text();
        inputReset();
        read(line);
    });
    connect(ui->hoch, &QPushButton::clicked, this, [this] { m_lists->moveSelection(-2); });
    connect(ui->runter, &QPushButton::clicked, this, [this] { m_lists->moveSelection(1); });
    connect(ui->Check3, &QCheckBox::toggled, this, &supertrans1::voiceBoxChanged);
    connect(ui->Check1, &QCheckBox::toggled, this, &supertrans1::focusBoxChanged);
}

void supertrans1::splitCurrentLine()
{
    ui->List5->clear();
    ui->List5->addItems(lineFields(ui->Text4->text()));
}

// Fields by their position in the line: an empty middle field keeps the third one third.
QString supertrans1::field(int index) const
{
    return lineField(ui->Text4->text(), index);
}

QString supertrans1::voiceLine() const
{
    const QListWidgetItem *item = ui->List6->currentItem();
    return item ? item->text() : QString();
}

void supertrans1::read(const QString &text, const QString &language)
{
    if (ReadAloud::read(m_services.speaker, text, ReadAloud::Button::Hilfex, ui->Check4->isChecked(),
                        language) == ReadAloud::Result::NotWritten) {
        ReadAloud::reportNotWritten();
        ui->Text3->setFocus();
    }
}

void supertrans1::after(int milliseconds, std::function<void()> step)
{
    QTimer::singleShot(milliseconds, this, std::move(step));
}

void supertrans1::readTranslation(std::function<void()> then)
{
    splitCurrentLine();
    after(200, [this, then] {
        if (ui->List5->count() > 1)
            ui->List5->setCurrentRow(1);
        after(100, [this, then] {
            read(voiceLine() + field(1), catalogueEntry(m_loadedName).languageName);
            setBackground(ui->Text3, kWhite);
            if (then)
                then();
        });
    });
}

void supertrans1::readField(int index, bool withVoice, std::function<void()> then)
{
    splitCurrentLine();
    after(500, [this, index, withVoice, then] {
        const QString text = (withVoice ? voiceLine() : QString()) + field(index);
        // German, then the dictionary's language; the note's language is not known.
        const QString language = index == 0   ? QStringLiteral("Deutsch")
                                 : index == 1 ? catalogueEntry(m_loadedName).languageName
                                              : QString();
        inputReset();
        read(text, language);
        if (then)
            then();
    });
}

void supertrans1::takeSelection()
{
    if (!ui->Check2->isChecked()) {
        setBackground(ui->Text3, HoverHelp::lightRed());
        readTranslation([this] { inputReset(); });
        return;
    }
    // The translation goes into the letter at the caret, followed by a blank.
    const QString translation = field(1);
    readTranslation([this, translation] {
        after(300, [this, translation] {
            ui->Brief->focusEnd();
            after(200, [this, translation] {
                ui->Brief->insertAtCaret(translation);
                after(500, [this] {
                    ui->Brief->insertAtCaret(QStringLiteral(" "));
                    inputReset();
                });
            });
        });
    });
}

void supertrans1::inputReset()
{
    if (ui->Check1->isChecked()) {
        ui->Text3->setFocus();
        ui->Text3->clear();
        setBackground(ui->Text3, kWhite);
        setBackground(ui->Text1, buttonColour(this));
    } else {
        ui->Text1->setFocus();
        ui->Text1->clear();
        setBackground(ui->Text1, kWhite);
    }
}

std::map<int, std::function<void()>> supertrans1::arrowKeys()
{
    // Left and Right read a field and give the focus to the lists; the selection stays.
    const auto readThenFocus = [this](int index, bool withVoice) {
        return [this, index, withVoice] {
            readField(index, withVoice, [this] { after(400, [this] { m_lists->focusVisible(); }); });
        };
    };
    // The window sees the key first, so Up and Down move the selection of the list they focus.
    return {{Qt::Key_Up, [this] { m_lists->moveSelection(-1); }},
            {Qt::Key_Down, [this] { m_lists->moveSelection(1); }},
            {Qt::Key_Left, readThenFocus(0, false)},
            {Qt::Key_Right, readThenFocus(1, true)}};
}

bool supertrans1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeSelection();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void supertrans1::voiceBoxChanged(bool ticked)
{
    ui->List6->clear();
    if (ticked) {
        ui->List6->addItems(m_services.speaker.voiceProfile());
        setBackground(ui->Check3, kWhite);
    } else {
        ui->List6->addItem(kStandardVoice);
        setBackground(ui->Check3, buttonColour(this));
    }
    ui->List6->setCurrentRow(0);
}

void supertrans1::focusBoxChanged(bool ticked)
{
    QLineEdit *field = ticked ? ui->Text3 : ui->Text1;
    field->setFocus();
    field->del();
    if (ticked)
        setBackground(ui->Text1, buttonColour(this));
    else
        setBackground(ui->Text1, kWhite);
    ui->Check1->setText(ticked ? QStringLiteral("Focus 2") : QStringLiteral("Focus 1"));
}

// ---- choosing a dictionary -----------------------------------------------------------------

void supertrans1::connectDictionaryChoice()
{
    connect(ui->Text2, &QLineEdit::textChanged, this, &supertrans1::dictionaryNameChanged);
    connect(ui->land, &QPushButton::clicked, this, &supertrans1::openDictionaryChoice);
    connect(ui->auswahlzu, &QPushButton::clicked, this, &supertrans1::closeDictionaryChoice);
    connect(ui->Frame1, &DictionaryChoice::taken, this, &supertrans1::takeChosenDictionary);
    connect(ui->Frame1, &DictionaryChoice::finished, this, &supertrans1::closeDictionaryChoice);
    connect(ui->Frame1, &DictionaryChoice::described, this, &supertrans1::showDescription);
}

void supertrans1::dictionaryNameChanged()
{
    QString name = ui->Text2->text();
    if (ZeichenErsetzen(name, QStringLiteral(".txt"), QString()) != ui->Text2->text()) {
        ui->Text2->setText(name);
        return;
    }
    ui->Label3->setText(QStringLiteral("Land"));
    if (name == kExampleDictionary) {
        Dialogs::message(Dialogs::programTitle(), ListTexts::exampleFormatMessage(), this);
        ui->Label3->setText(QStringLiteral("Beispiel-Woerterbuch"));
        return;
    }
    ui->Label3->setText(catalogueEntry(name).listLabel);
}

void supertrans1::showLoadedName()
{
    // Without the steps of a name change: the example's format message is not shown again.
    const QSignalBlocker quiet(ui->Text2);
    ui->Text2->setText(m_loadedName);
    ui->Label3->setText(catalogueEntry(m_loadedName).listLabel);
}

void supertrans1::openDictionaryChoice()
{
    ui->Frame1->open();
    ui->land->hide();
    ui->auswahlzu->show();
}

void supertrans1::takeChosenDictionary(const QString &fileName, bool mainWindowBar)
{
    showProgress(mainWindowBar);
    ui->Text2->setText(fileName);
    after(200, [this] { LoadDictionary(); });
}

void supertrans1::closeDictionaryChoice()
{
    ui->Frame1->hide();
    ui->auswahlzu->hide();
    ui->land->show();
}

// ---- the rest of the window ----------------------------------------------------------------

void supertrans1::connectPanel()
{
    connect(ui->Check2, &QCheckBox::toggled, this, [this](bool letter) {
        resize(letter ? kLetterWidth : kNarrowWidth, height());
        // Beyond the narrow window's edge the letter is hidden, for Tab and screen readers too;
        // widened, the window stays wholly on its screen.
        ui->Brief->setVisible(letter);
        if (letter)
            fitOnScreen(this);
        setBackground(ui->Check2, letter ? kWhite : buttonColour(this));
    });
    connect(ui->Brief, &LetterPanel::inputReset, this, &supertrans1::inputReset);
    connect(ui->Brief, &LetterPanel::requestNotWritten, ui->Text3, qOverload<>(&QWidget::setFocus));
    connect(ui->Brief, &LetterPanel::saved, this, [this] { setBackground(ui->Text3, kWhite); });
    connect(ui->Brief, &LetterPanel::described, this, &supertrans1::showDescription);
    connect(ui->X, &ClickLabel::clicked, this, &supertrans1::hideLists);
    connect(ui->beschreibung1, &ClickLabel::clicked, this,
            [this] { showDescription(ListTexts::kDescription); });
    connect(ui->beschreibung2, &ClickLabel::clicked, this,
            [this] { showDescription(ListTexts::descriptionClicked()); });
    connect(ui->mehr, &ClickLabel::clicked, this,
            [this] { showDescription(QStringLiteral("Beispiel 2 :")); });
    connect(ui->eins, &ClickLabel::clicked, this, [this] {
        showDescription(ListTexts::kExampleText);
        HoverHelp::setHelpText(ListTexts::kExampleText);
    });
    connect(ui->zwei, &ClickLabel::clicked, ui->Text1, qOverload<>(&QWidget::setFocus));
    connect(ui->Label4, &ClickLabel::doubleClicked, this, [this] {
        if (ReadAloud::read(m_services.speaker, ui->Label4->text(), ReadAloud::Button::Hilfe, false) ==
            ReadAloud::Result::NotWritten)
            ReadAloud::reportNotWritten();
        setBackground(ui->Text3, kWhite);
    });
    connect(ui->Label1, &ClickLabel::clicked, this,
            [this] { ui->Label1->setText(QString::number(m_model->section(0).size())); });
    connect(ui->exit, &QPushButton::clicked, this, &supertrans1::closeWindow);
    connect(ui->stimmmuster, &QPushButton::clicked, this, [this] {
        if (QWidget *voices = m_services.windows.window(windows::Logox4))
            voices->show();
    });
}

void supertrans1::attachHoverHelp()
{
    attachListHoverHelp(this, {[this](const QString &text) { showDescription(text); },
                               [this] { return voiceLine(); }, [this] { hideLists(); }});
}

void supertrans1::showDescription(const QString &text)
{
    ui->Label4->setText(text);
}

void supertrans1::closeWindow()
{
    if (m_closing)
        return;
    m_closing = true;
    hideProgress();
    m_services.windows.unload(windows::supertrans1);
}

void supertrans1::closeEvent(QCloseEvent *event)
{
    closeWindow();
    event->accept();
}

} // namespace ortelia
