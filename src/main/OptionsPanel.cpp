#include "OptionsPanel.h"

#include "ui_OptionsPanel.h"

#include "DocumentLink.h"
#include "HoverHelp.h"
#include "OptionGroup.h"
#include "ProgramFolder.h"
#include "SlidingPanel.h"
#include "StartSettings.h"

namespace ortelia {

namespace {

constexpr int kOutOfView = 565;

// The speed values of the text translator for a slow, medium and fast computer.
constexpr int kSpeedValues[] = {1500, 450, 50};

void openInEditor(const QString &relativeName)
{
    DocumentLink::edit(ProgramFolder::path(relativeName));
}

} // namespace

OptionsPanel::OptionsPanel(QWidget *parent) : QGroupBox(parent), ui(std::make_unique<Ui::OptionsPanel>())
{
    ui->setupUi(this);
    m_startMode = new OptionGroup({ui->Option1_0, ui->Option1_1}, this);
    m_speed = new OptionGroup({ui->Option3_0, ui->Option3_1, ui->Option3_2}, this);

    connect(m_startMode, &OptionGroup::chosen, this, [this] {
        if (!m_loadingSettings)
            SaveStartSettings();
    });
    connect(m_speed, &OptionGroup::chosen, this,
            [this](int index) { emit speedChosen(kSpeedValues[index]); });
    connect(ui->Label13, &ClickLabel::clicked, this, [this] { closePanel(true); });
    connect(ui->schlOpti, &QPushButton::clicked, this, [this] { closePanel(false); });
    connect(ui->Label22W, &ClickLabel::clicked, this, &OptionsPanel::dictionaryFolderWanted);
    connect(ui->Label23H, &ClickLabel::clicked, this,
            [] { openInEditor(QStringLiteral("hilfe-t/notizen.txt")); });
    const std::pair<ClickLabel *, const char *> books[] = {{ui->Label35, "TranslateDeGb/DeEn.txt"},
                                                           {ui->Label36, "TranslateDeGb/DeIt.txt"},
                                                           {ui->Label37, "TranslateDeGb/DeFr.txt"},
                                                           {ui->Label38, "TranslateDeGb/DeGr.txt"},
                                                           {ui->Label39, "TranslateDeGb/DeSp.txt"}};
    for (const auto &[label, file] : books) {
        const QString name = QLatin1String(file);
        connect(label, &ClickLabel::clicked, this, [name] { openInEditor(name); });
    }
    attachHoverHelp();
}

OptionsPanel::~OptionsPanel() = default;

void OptionsPanel::SaveStartSettings()
{
    StartSettings::write({m_startMode->value(0), m_startMode->value(1), m_speed->value(0), m_speed->value(1),
                          m_speed->value(2)});
}

void OptionsPanel::LoadStartSettings()
{
    const QList<std::optional<bool>> values = StartSettings::read();
    m_loadingSettings = true;
    for (int i = 0; i < StartSettings::kLineCount; ++i) {
        if (!values[i])
            continue;
        if (i < 2)
            m_startMode->setValue(i, *values[i]);
        else
            m_speed->setValue(i - 2, *values[i]);
    }
    m_loadingSettings = false;
}

int OptionsPanel::SelectedOptionIndex(const QString &group) const
{
    if (group == QLatin1String("Option1"))
        return m_startMode->SelectedOptionIndex();
    if (group == QLatin1String("Option3"))
        return m_speed->SelectedOptionIndex();
    return 0;
}

void OptionsPanel::showAt(int top)
{
    slidePanel(this, top);
}

void OptionsPanel::closePanel(bool save)
{
    if (save)
        SaveStartSettings();
    showAt(kOutOfView);
}

void OptionsPanel::showProgramFolder()
{
    ui->Label17->setText(ProgramFolder::root() + QLatin1Char('\\'));
}

void OptionsPanel::attachHoverHelp()
{
    HoverHelp::Options exit;
    exit.highlight = HoverHelp::lightRed();
    HoverHelp::attach(ui->Label13, QStringLiteral("Optionen speichern und schließen!"), exit);
    HoverHelp::attach(ui->schlOpti, QStringLiteral("Optionen schließen ohne zu speichern!"), exit);
    HoverHelp::attach(
        ui->Option1_0,
        QStringLiteral("Programm Start Einstellung: Automatisch mit Zwischenablage-Translator oder "
                       "in normalem Fenster starten!"));
    HoverHelp::attach(ui->Option1_1, HoverHelp::textOf(ui->Option1_0));
    HoverHelp::attach(ui->Label22W,
                      QStringLiteral("Wörterbücher bearbeiten: Zeigt den Wörterbuch Ordner an!"));
    for (QWidget *book : {ui->Label35, ui->Label36, ui->Label37, ui->Label38, ui->Label39})
        HoverHelp::attach(book, QStringLiteral("Sprechendes Wörterbuch bearbeiten. Mit Klick öffnen !"));
}

} // namespace ortelia
