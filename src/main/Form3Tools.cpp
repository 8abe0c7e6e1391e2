// The window's own tools: its shape, its picture buttons, reading its text aloud and stopping
// speech; the tools panel's signals.

#include "Form3.h"

#include "ui_Form3.h"

#include "ArtIcon.h"
#include "ClockText.h"
#include "ListLines.h"
#include "ProgramFolder.h"
#include "SoundEffect.h"
#include "SoundFile.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "ToolsPanel.h"
#include "VoiceLines.h"
#include "WindowServices.h"
#include "WindowShape.h"

#include <QCheckBox>
#include <QDateTime>

#include <algorithm>

namespace ortelia {

namespace {

constexpr QPoint kReleasedPosition(2500 / 15, 5820 / 15);

} // namespace

void Form3::connectTools()
{
    // The picture buttons and their artwork.
    const std::pair<QToolButton *, const char *> pictures[] = {
        {ui->PicturePlay, "vorlesen.svg"},    {ui->PicturePause, "pause.svg"},
        {ui->PictureWeiter, "weiter.svg"},    {ui->PictureStop, "stop.svg"},
        {ui->Picture12, "ton-stop.svg"},      {ui->Picture13, "schmal.svg"},
        {ui->Picture13D, "minimieren.svg"},   {ui->ex, "schliessen.svg"},
        {ui->Picture2, "zwischenablage.svg"}, {ui->Picture20, "woerterbuch.svg"},
        {ui->weort, "woerterbuch.svg"},       {ui->Frame7zu, "schliessen.svg"},
        {ui->optionLink, "woerterbuch.svg"},
    };
    for (const auto &[button, file] : pictures)
        setArtIcon(button, file);

    ToolsPanel *tools = ui->toolsPanel;
    connect(tools, &ToolsPanel::status, this, &Form3::setStatus);
    connect(tools, &ToolsPanel::statusToRead, this, [this](const QString &text) {
        setStatus(text);
        ReadWindowText();
    });
    connect(tools, &ToolsPanel::mouseFreedByButton, this, [this] { move(kReleasedPosition); });
    connect(tools, &ToolsPanel::outputGainsChanged, this, [this](double left, double right) {
        m_services.speaker.engine().setOutputGains(left, right);
        // The effects are mono and their player has one level: the louder side sets it, so
        // both sliders at silent (and "Ton aus") silence them.
        SetSoundVolume(std::max(left, right));
    });
    connect(ui->uhrdatum, &QPushButton::clicked, this, [this] {
        setStatus(ClockTimeAndDate(QDateTime::currentDateTime()));
        ReadWindowText();
    });

    connect(ui->Label1, &ClickLabel::clicked, this, &Form3::ReadWindowText);
    connect(ui->PicturePlay, &QToolButton::clicked, this, &Form3::ReadWindowText);
    connect(ui->Label19, &ClickLabel::clicked, this, &Form3::ReadWindowText);
    Speaker &speaker = m_services.speaker;
    connect(ui->PicturePause, &QToolButton::clicked, &speaker, &Speaker::pause);
    connect(ui->PictureWeiter, &QToolButton::clicked, &speaker, &Speaker::resume);
    connect(ui->PictureStop, &QToolButton::clicked, &speaker, &Speaker::stop);
    connect(ui->Label6, &ClickLabel::clicked, &speaker, &Speaker::stop);
    connect(ui->Picture12, &QToolButton::clicked, this, [this] {
        playSound(QStringLiteral("Leer"));
        ui->Label2->setText(QStringLiteral("Ton Stop"));
        m_services.speaker.stop();
    });
    connect(ui->Hallo, &QPushButton::clicked, this, [this] {
        setStatus(QStringLiteral(
            "Wählen Sie mit der [ Tabulator ]-Taste.           Bitte mit [ ENTER ] bestätigen. "));
    });
}

void Form3::applyShape()
{
    m_background = RenderPicture(ProgramFolder::path(QStringLiteral("art/hintergrund.svg")));
    // White (0xFFFFFF) is the outside of the window; without a picture the window stays square.
    setMask(RegionFromBitmap(m_background, qRgb(0xFF, 0xFF, 0xFF)));
    update();
}

void Form3::playSound(const QString &name)
{
    PlaySoundEffect(name);
}

void Form3::ReadWindowText()
{
    ui->List1->clear();
    append(ui->List1, {QString(VoiceLines::kHelpVoice), ui->Label1->text()});
    QStringList request = listLines(ui->List1);
    ui->List1->clear();
    m_services.speaker.speakText(request);
}

} // namespace ortelia
