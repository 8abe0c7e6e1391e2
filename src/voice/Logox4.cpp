#include "Logox4.h"
#include "ui_Logox4.h"

#include "Dialogs.h"
#include "FormTimer.h"
#include "HoverHelp.h"
#include "ProgramFolder.h"
#include "ProgramRequests.h"
#include "SettingsFiles.h"
#include "Shell.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "TextFile.h"
#include "VoiceChoice.h"
#include "VoiceLines.h"
#include "WebBrowser.h"
#include "WindowKeys.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ortelia {

namespace {

constexpr int kAdoptDelay = 900;
constexpr int kProfileDelay = 600;
const QString kProfileFile = QStringLiteral("stimm2.txt");
const QString kVoiceDownloads =
    QStringLiteral("https://github.com/espeak-ng/espeak-ng/blob/master/docs/languages.md");

WebBrowser *browserIn(QWidget *host, const QString &name)
{
    auto *browser = new WebBrowser(host);
    browser->setObjectName(name);
    auto *layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    return browser;
}

} // namespace

Logox4::Logox4(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::Logox4>()),
      Timer1(new FormTimer(QStringLiteral("Timer1"), kAdoptDelay, false, this)),
      Timer2(new FormTimer(QStringLiteral("Timer2"), kProfileDelay, false, this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::Window);
    WebBrowser2 = browserIn(ui->pageHost2, QStringLiteral("WebBrowser2"));
    m_rows = {
        {VoiceSlider::BasePitch, ui->PitchScroll, ui->Label1, ui->PitchLabel, ui->Label6},
        {VoiceSlider::Speed, ui->SpeedScroll, ui->Label2, ui->SpeedLabel, ui->Label7},
        {VoiceSlider::Intonation, ui->IntonationScroll, ui->Label3, ui->IntonationLabel, ui->Label15},
        {VoiceSlider::Roughness, ui->RoughnessScroll, ui->Label4, ui->RoughnessLabel, ui->Label16},
        {VoiceSlider::Volume, ui->VolumeScroll, ui->Label5, ui->VolumeLabel, ui->Label17},
        {VoiceSlider::Echo, ui->EchoScroll, ui->Label8, ui->Label13, ui->Label18},
    };
    connectSliders();
    connectButtons();
    connect(Timer1, &FormTimer::timeout, this, [this] {
        ui->Command7->click();
        Timer1->setEnabled(false);
        hide();
    });
    connect(Timer2, &FormTimer::timeout, this, [this] {
        Timer2->setEnabled(false);
        takeProfileIntoEditBox();
    });
    WindowKeys::bind(services, this, [this] { ui->CloseButton->click(); });
    attachHoverTexts();
}

Logox4::~Logox4() = default;

void Logox4::Form_Load()
{
    WebBrowser2->navigate(ProgramFolder::path(kProfileFile));
    SpeechEngine &engine = m_services.speaker.engine();
    ui->SpeechFontCombo->clear();
    for (int i = 0; i < engine.count(); ++i)
        ui->SpeechFontCombo->addItem(engine.alias(i));
    // The box shows the voice the profile speaks in; the list holds the engine's voices in order.
    const int stored = VoiceChoice::namedVoice(storedProfile());
    ui->SpeechFontCombo->setCurrentIndex(stored >= 0 ? stored : engine.current());
}

// Without a voice picked here the pattern keeps the voice the profile has.
QString Logox4::patternVoice() const
{
    if (!m_pattern.voiceLine().isEmpty())
        return m_pattern.voiceLine();
    const QStringList stored = storedProfile();
    return stored.isEmpty() ? QString() : stored.first();
}

QStringList Logox4::storedProfile() const
{
    return SettingsFiles::readLines(ProgramFolder::path(kProfileFile)).value_or(QStringList());
}

void Logox4::closeEvent(QCloseEvent *event)
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    m_services.windows.unload(windows::Logox4);
    event->accept();
}

// ---- the pattern ------------------------------------------------------------------------------

void Logox4::connectSliders()
{
    for (const SliderRow &row : m_rows) {
        const VoiceSliderInfo &info = VoiceTags::slider(row.slider);
        row.scroll->setRange(info.minimum, info.maximum);
        row.scroll->setValue(info.start);
        row.valueText->setText(VoiceTags::sliderValueText(row.slider, info.start));
        connect(row.scroll, &QAbstractSlider::valueChanged, this,
                [this, row](int n) { sliderMoved(row, n); });
        // Letting go of a slider says the test sentence again in the changed voice.
        connect(row.scroll, &QAbstractSlider::sliderReleased, this, &Logox4::testThroughMainPage);
        connect(row.marker, &ClickLabel::clicked, this, [this, row] {
            m_pattern.clearMarker(row.slider);
            row.marker->clear();
        });
        connect(row.valueText, &ClickLabel::clicked, this, [this, row] {
            m_pattern.clearMarker(row.slider);
            row.marker->clear();
            row.valueText->clear();
        });
    }
}

void Logox4::sliderMoved(const SliderRow &row, int value)
{
    m_pattern.setMarker(row.slider, value);
    row.marker->setText(m_pattern.marker(row.slider));
    row.valueText->setText(VoiceTags::sliderValueText(row.slider, value));
}

void Logox4::pickVoice(int index)
{
    m_services.speaker.engine().select(index);
    const QString alias = ui->SpeechFontCombo->itemText(index);
    m_pattern.setVoiceLine(VoiceTags::voiceTag(alias));
    ui->speechX1->setText(m_pattern.voiceLine());
    HoverHelp::setHelpText(VoiceTags::voiceTestText(alias));
    ui->Label9->hide();
}

// A test is only heard: the profile changes when the user adopts a pattern.
void Logox4::testSpeaker(const QString &voiceLine)
{
    setList1(m_pattern.testLines(voiceLine, ui->Text1->text()));
    m_services.speaker.speak(list1());
}

// The stored profile, heard with the test sentence as every translation will be.
void Logox4::speakProfile()
{
    m_services.speaker.speak(m_services.speaker.voiceProfile() << ui->Text1->text());
}

void Logox4::testThroughMainPage()
{
    setList1(m_pattern.testLines(patternVoice(), ui->Text1->text()));
    QStringList request = list1();
    m_services.speaker.speakText(request, AfterWriting::KeepList);
}

void Logox4::adopt()
{
    setList1(m_pattern.profileLines(patternVoice()));
    ui->Command2->click();
    Timer1->restart(kAdoptDelay);
}

void Logox4::storeList()
{
    if (const SaveResult saved = VoicePattern::store(ProgramFolder::path(kProfileFile), list1()); !saved) {
        Dialogs::message(QString(), saved.message(QStringLiteral("stimm2.txt")), this);
        return;
    }
    ui->Command5->click();
}

// The profile is shown as stored, and 600 ms later taken into the edit box from the file itself:
// the user's clipboard is never used for it.
void Logox4::showProfile()
{
    WebBrowser2->navigate(ProgramFolder::path(kProfileFile));
    Timer2->restart(kProfileDelay);
}

void Logox4::takeProfileIntoEditBox()
{
    if (const std::optional<QStringList> lines = SettingsFiles::readLines(ProgramFolder::path(kProfileFile)))
        ui->Text2->setText(lines->join(QLatin1Char(' ')));
}

void Logox4::handToMainWindow()
{
    const QString text = ui->Text2->text();
    if (!text.isEmpty())
        emit m_services.requests.selectVoiceLine(text);
    ui->Text2->setFocus();
}

// ---- the collection ---------------------------------------------------------------------------

void Logox4::addEntry()
{
    if (ui->Text2->text().isEmpty()) {
        Dialogs::message(QString(), QStringLiteral("Sie haben nichts eingegeben!"), this);
        ui->Text2->setFocus();
        return;
    }
    ui->List2->addItem(ui->Text2->text());
    ui->Text2->clear();
    showCount();
}

void Logox4::loadCollection(bool emptyFirst)
{
    if (emptyFirst)
        ui->List2->clear();
    if (const std::optional<QStringList> lines = SettingsFiles::readLines(ProgramFolder::path(kProfileFile)))
        ui->List2->addItems(*lines);
    showCount();
}

void Logox4::showCount()
{
    ui->Label10->setText(QString::number(ui->List2->count()) + QStringLiteral(" Einträge in der Listbox"));
}

void Logox4::setList1(const QStringList &lines)
{
    ui->List1->clear();
    ui->List1->addItems(lines);
}

QStringList Logox4::list1() const
{
    QStringList lines;
    for (int i = 0; i < ui->List1->count(); ++i)
        lines << ui->List1->item(i)->text();
    return lines;
}

// ---- buttons ------------------------------------------------------------------------------------

void Logox4::connectButtons()
{
    connect(ui->SpeechFontCombo, &QComboBox::activated, this, &Logox4::pickVoice);
    const std::pair<QPushButton *, QLatin1String> speakers[] = {{ui->bill, VoiceLines::kBill},
                                                                {ui->silke, VoiceLines::kSilke},
                                                                {ui->johanna, VoiceLines::kJohanna},
                                                                {ui->martin, VoiceLines::kMartin}};
    for (const auto &[button, line] : speakers) {
        connect(button, &QPushButton::clicked, this, [this, line] {
            ui->Sp1->setText(line);
            testSpeaker(line);
        });
    }
    connect(ui->alles, &QPushButton::clicked, this, [this] { testSpeaker(patternVoice()); });
    connect(ui->Command11, &QPushButton::clicked, this, &Logox4::testThroughMainPage);
    connect(ui->Command9, &QPushButton::clicked, this, &Logox4::adopt);
    connect(ui->Command2, &QPushButton::clicked, this, &Logox4::storeList);
    connect(ui->Command5, &QPushButton::clicked, this, &Logox4::showProfile);
    connect(ui->Command6, &QPushButton::clicked, this, [this] {
        showProfile();
        speakProfile();
    });
    connect(ui->Command7, &QPushButton::clicked, this, &Logox4::handToMainWindow);
    connect(ui->Command3, &QPushButton::clicked, this, &Logox4::addEntry);
    connect(ui->Command4, &QPushButton::clicked, this, [this] { loadCollection(false); });
    connect(ui->offne, &QPushButton::clicked, this, [this] { loadCollection(true); });
    connect(ui->speichernUE, &QPushButton::clicked, this, [this] {
        QStringList lines;
        for (int i = 0; i < ui->List2->count(); ++i)
            lines << ui->List2->item(i)->text();
        if (const SaveResult saved =
                TextFile::writeLines(ProgramFolder::path(QStringLiteral("stimm.txt")), lines);
            !saved)
            Dialogs::message(QString(), saved.message(QStringLiteral("stimm.txt")), this);
    });
    connect(ui->loese1, &QPushButton::clicked, this, [this] {
        ui->List2->clear();
        showCount();
    });
    connect(ui->uebernehme, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem *item = ui->List1->currentItem())
            ui->Text2->setText(item->text());
    });
    connect(ui->Command10, &QPushButton::clicked, this, [this] { ui->Text2->setFocus(); });
    connect(ui->loesch2, &QPushButton::clicked, this, [this] {
        m_pattern.clearMarkers();
        for (const SliderRow &row : m_rows)
            row.marker->clear();
    });
    connect(ui->loesch, &QPushButton::clicked, ui->List1, &QListWidget::clear);
    connect(ui->hinzu1, &QPushButton::clicked, this, [this] { ui->List1->addItem(ui->Text1->text()); });
    connect(ui->Command1, &QPushButton::clicked, this, [this] {
        ui->List1->addItem(VoiceLines::kSilke);
        for (VoiceSlider slider :
             {VoiceSlider::BasePitch, VoiceSlider::Speed, VoiceSlider::Intonation, VoiceSlider::Roughness})
            ui->List1->addItem(m_pattern.marker(slider));
        ui->List1->addItem(ui->Text1->text());
    });
    connect(ui->sprech, &QPushButton::clicked, this, &Logox4::speakProfile);
    connect(ui->Label11, &ClickLabel::clicked, this, [] { Shell::openAddress(kVoiceDownloads); });
    connect(ui->CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void Logox4::attachHoverTexts()
{
    HoverHelp::Options exit;
    exit.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->CloseButton, QStringLiteral("Fenster schließen! Abbrechen"), exit);
    HoverHelp::attach(ui->Command11, QStringLiteral("Sprecher Test"));
    HoverHelp::attach(ui->Command9, QStringLiteral("Stimm Muster übernehmen!"));
    HoverHelp::attach(ui->Label11,
                      QStringLiteral("Mit Klick zur Homepage von WebSpeech um Stimmen zu downloaden."));
    HoverHelp::Options sentence;
    sentence.alsoDo = [this] { HoverHelp::setHelpText(ui->Text1->text()); };
    HoverHelp::attach(ui->Text1, QString(), sentence);
    HoverHelp::attach(ui->Label9, QStringLiteral("Stimm Auswahl"));
    for (const SliderRow &row : m_rows) {
        HoverHelp::Options focus;
        focus.onFocus = true;
        focus.alsoDo = [row] {
            HoverHelp::setHelpText(QStringLiteral("Stimme mit: ") + row.caption->text() + QLatin1Char(' ') +
                                   row.valueText->text());
        };
        HoverHelp::attach(row.scroll, QString(), focus);
    }
}

} // namespace ortelia
