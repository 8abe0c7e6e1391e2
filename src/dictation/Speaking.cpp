#include "Speaking.h"
#include "ui_Speaking.h"

#include "FormTimer.h"
#include "HoverHelp.h"
#include "OptionGroup.h"
#include "ProgramRequests.h"
#include "ProgramState.h"
#include "SoundEffect.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace ortelia {

namespace {

constexpr int kStartPace = 700;
constexpr int kHandOverDelay = 100;
// A dictation program writes a phrase in one burst; a person types slower than this per key.
constexpr int kSettleDelay = 300;

const QString kBusyCaption = QStringLiteral(" Übersetze .... ... .. .");
const QString kIdleCaption = QStringLiteral("Diktier-Textfeld:");
const QString kReadyCaption = QStringLiteral("Diktier-Textfeld [OK]");

void setBackColour(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

} // namespace

Speaking::Speaking(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::Speaking>()),
      Timerverschieben(new FormTimer(QStringLiteral("Timerverschieben"), kStartPace, false, this)),
      TimerVerschib8(new FormTimer(QStringLiteral("TimerVerschib8"), kHandOverDelay, false, this)),
      TimerEingabe(new FormTimer(QStringLiteral("TimerEingabe"), kSettleDelay, false, this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    Option1 = new OptionGroup({ui->Option1_0, ui->Option1_1}, this);

    for (QLineEdit *input : {ui->TextD8, ui->Text1}) {
        connect(input, &QLineEdit::textChanged, this, [this](const QString &text) {
            if (!text.isEmpty())
                TimerEingabe->restart(kSettleDelay);
        });
    }
    connect(TimerEingabe, &FormTimer::timeout, this, &Speaking::inputSettled);
    connect(Timerverschieben, &FormTimer::timeout, this, &Speaking::Verschieb8);
    connect(TimerVerschib8, &FormTimer::timeout, this, &Speaking::handOver);
    connect(ui->VScroll1, &QScrollBar::valueChanged, this, &Speaking::setPace);
    connect(ui->Label1, &ClickLabel::clicked, this, [this] { ui->VScroll1->setValue(kStartPace); });
    connect(ui->Check1, &QCheckBox::clicked, this, [this] {
        // The ready signal by hand empties the word list; a running phrase ends at its next step.
        m_queue.clear();
        showQueue();
        readySignal();
    });
    connect(ui->Command4, &QPushButton::clicked, this, &Speaking::stopStepping);
    connect(ui->Command5, &QPushButton::clicked, this, &Speaking::clearAll);
    connect(ui->worteordnen, &QPushButton::clicked, this, [this] {
        TimerEingabe->setEnabled(false);
        const QString phrase = ui->Text1->text();
        ui->Text1->clear();
        phraseArrived(phrase);
    });
    connect(ui->zu1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->List1D8, &QListWidget::itemClicked, this, [this] {
        if (ui->Textempfan->text().isEmpty())
            stopStepping();
    });
    connect(ui->List1D8, &QListWidget::itemDoubleClicked, this, [this] {
        m_queue.clear();
        showQueue();
        ui->Text1->setFocus();
    });
    for (QWidget *watched : {ui->TextD8, ui->Text3})
        watched->installEventFilter(this);
    connect(&services.state.dictationMode, &Flag::changed, this, [this](bool dictating) {
        if (dictating && m_running && !Timerverschieben->isActive() && !TimerVerschib8->isActive())
            Timerverschieben->restart(ui->VScroll1->value());
    });

    WindowKeys::bind(services, this, [this] { ui->zu1->click(); });
    attachHoverTexts();
}

Speaking::~Speaking() = default;

void Speaking::answerRequests(WindowServices &services)
{
    // Only a dictation window that exists is closed; none is created for it.
    QObject::connect(&services.requests, &ProgramRequests::closeDictation, &services.requests,
                     [&registry = services.windows] {
                         if (auto *dictation = static_cast<Speaking *>(registry.existing(windows::Speaking)))
                             dictation->ui->zu1->click();
                     });
}

void Speaking::Form_Load()
{
    // The words go to the main window's translator in its dictation mode, where its button opens
    // this window; opened another way, the window puts the translator into that mode, or every
    // word would go to a translator without a dictionary.
    m_services.state.dictationMode.set(true);
    setRunning(false);
    setPace(ui->VScroll1->value());
    ui->TextD8->setFocus();
}

bool Speaking::eventFilter(QObject *watched, QEvent *event)
{
    const bool click = event->type() == QEvent::MouseButtonPress;
    if (watched == ui->TextD8 && event->type() == QEvent::MouseButtonDblClick)
        ui->TextD8->clear();
    if (click || (watched == ui->Text3 && event->type() == QEvent::FocusIn))
        Option1->setValue(0, true);
    return QWidget::eventFilter(watched, event);
}

void Speaking::closeEvent(QCloseEvent *event)
{
    stopStepping();
    TimerEingabe->setEnabled(false);
    event->accept();
}

// ---- phrases coming in ------------------------------------------------------------------------

void Speaking::inputSettled()
{
    TimerEingabe->setEnabled(false);
    if (!ui->TextD8->text().isEmpty()) {
        const QString phrase = ui->TextD8->text();
        ui->TextD8->clear();
        phraseArrived(phrase);
    }
    if (!ui->Text1->text().isEmpty())
        text1Input();
}

void Speaking::phraseArrived(const QString &phrase)
{
    // Words behind a running phrase wait in the queue after its end marker.
    if (m_queue.addPhrase(phrase))
        showQueue();
    if (!m_running && !m_queue.isEmpty())
        startPhrase();
}

void Speaking::text1Input()
{
    const QString phrase = ui->Text1->text();
    ui->Text1->clear();
    // Nothing runs that the phrase could wait for: it goes out at once.
    if (Option1->value(0) || !m_running)
        phraseArrived(phrase);
    else
        ui->Text3->setText(phrase);
    Option1->setValue(1, true);
    ui->Text1->setFocus();
}

void Speaking::startPhrase()
{
    setRunning(true);
    setWindowTitle(kBusyCaption);
    // The main window searches each word after its own delay; with a longer one it would lose
    // words that follow at this pace.
    m_services.state.dictationPace.set(ui->VScroll1->value());
    // A translator still switching to dictation takes the words once it dictates.
    if (m_services.state.dictationMode.value())
        Timerverschieben->restart(ui->VScroll1->value());
}

// ---- the walk ---------------------------------------------------------------------------------

void Speaking::Verschieb8()
{
    Timerverschieben->setEnabled(false);
    m_queue.step();
    showQueue();
    TimerVerschib8->restart(kHandOverDelay);
}

void Speaking::handOver()
{
    TimerVerschib8->setEnabled(false);
    const QString item = m_queue.current();
    ui->Textempfan->setText(item);
    emit m_services.requests.dictatedWord(item);
    ui->Text1->setFocus();
    if (item.isEmpty())
        phraseEnded();
    else
        Timerverschieben->restart(ui->VScroll1->value());
}

void Speaking::phraseEnded()
{
    m_queue.finishPhrase();
    showQueue();
    setRunning(false);
    readySignal();
    const QString waiting = ui->Text3->text();
    ui->Text3->clear();
    ui->Text1->clear();
    Option1->setValue(0, true);
    if (!waiting.isEmpty())
        m_queue.addPhrase(waiting);
    if (!m_queue.isEmpty())
        startPhrase();
}

void Speaking::readySignal()
{
    if (m_running)
        return;
    if (ui->Check1->isChecked()) {
        PlaySoundEffect(QStringLiteral("D8"));
        setWindowTitle(kReadyCaption);
    } else {
        setWindowTitle(kIdleCaption);
    }
}

void Speaking::stopStepping()
{
    Timerverschieben->setEnabled(false);
    TimerVerschib8->setEnabled(false);
    setRunning(false);
    ui->Text1->setFocus();
}

void Speaking::clearAll()
{
    ui->TextD8->clear();
    ui->Text3->clear();
    m_queue.clear();
    showQueue();
    stopStepping();
}

void Speaking::setPace(int milliseconds)
{
    Timerverschieben->setInterval(milliseconds);
    ui->Label1->setText(QStringLiteral("%1 ms").arg(milliseconds));
    m_services.state.dictationPace.set(milliseconds);
}

void Speaking::showQueue()
{
    ui->List1D8->clear();
    ui->List1D8->addItems(m_queue.items());
    if (m_queue.hasCurrent())
        ui->List1D8->setCurrentRow(0);
}

void Speaking::setRunning(bool running)
{
    m_running = running;
    setBackColour(ui->TextD8, running ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0xFF, 0x00));
}

void Speaking::attachHoverTexts()
{
    HoverHelp::attach(
        ui->Check1,
        QStringLiteral(" Mit Aktiviertem Kästchen bei Diktier Bereitschaft Ton abspielen [D8.wav]!"));
    HoverHelp::attach(ui->Command4, QStringLiteral(" Stop"));
    HoverHelp::attach(ui->Command5, QStringLiteral(" Alle Einträge Löschen"));
    HoverHelp::Options pace;
    pace.alsoDo = [this] {
        HoverHelp::setHelpText(QStringLiteral("Übersetzer Geschwindigkeit....") + ui->Label1->text());
    };
    HoverHelp::attach(ui->Label1, QString(), pace);
    HoverHelp::attach(ui->List1D8, QStringLiteral("Mit Doppelklick Liste löschen."));
    // The dictation field's colour tells idle from busy; a highlight would cover it.
    HoverHelp::Options stateColour;
    stateColour.highlight = QColor();
    HoverHelp::attach(ui->TextD8, QStringLiteral("Diktier-Textfeld: Dragon NaturallySpeaking 8.0 Kompatibel"),
                      stateColour);
    HoverHelp::Options onFocus;
    onFocus.onFocus = true;
    HoverHelp::attach(ui->VScroll1, QStringLiteral(" Übersetzer Geschwindigkeit Schieberegler!"), onFocus);
    HoverHelp::Options exit;
    exit.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->zu1, QStringLiteral(" Fenster schließen"), exit);
}

} // namespace ortelia
