#include "UpdateSwitches.h"

#include "ui_UpdateSwitches.h"

#include "SettingsFiles.h"
#include "SettingsSaveBox.h"

namespace ortelia {

UpdateSwitches::UpdateSwitches(QWidget *parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::UpdateSwitches>())
{
    ui->setupUi(this);
    connect(ui->Check1, &QCheckBox::clicked, this, &UpdateSwitches::firstClicked);
    connect(ui->Check2, &QCheckBox::clicked, this, [this](bool on) {
        emit described(on ? QStringLiteral("Nur Wörterbücher nach dem letzten Update Anzeigen ")
                          : QStringLiteral("Es werden keine neue Wörterbücher automatisch Angezeigt "));
    });
    connect(ui->Command13, &QPushButton::clicked, this, &UpdateSwitches::save);
    connect(ui->Command14, &QPushButton::clicked, this, &UpdateSwitches::read);
    connect(ui->Command20, &QPushButton::clicked, this, &UpdateSwitches::fetchRequested);
}

UpdateSwitches::~UpdateSwitches() = default;

void UpdateSwitches::read()
{
    bool automatic = ui->Check1->isChecked();
    bool onlyNewer = ui->Check2->isChecked();
    SettingsFiles::readSwitches(SettingsFiles::updateOptionsPath(), automatic, onlyNewer);
    ui->Check1->setChecked(automatic);
    ui->Check2->setChecked(onlyNewer);
}

bool UpdateSwitches::automatic() const
{
    return ui->Check1->isChecked();
}

bool UpdateSwitches::onlyNewer() const
{
    return ui->Check2->isChecked();
}

void UpdateSwitches::save()
{
    hide();
    reportSettingsSave(
        SettingsFiles::writeSwitches(SettingsFiles::updateOptionsPath(), automatic(), onlyNewer()));
}

void UpdateSwitches::firstClicked(bool on)
{
    if (on) {
        emit described(QStringLiteral("Automatisches neues Update Liste laden...activiert "));
        emit automaticSwitchedOn();
        ui->Command20->show();
    } else {
        emit described(QStringLiteral("Automatisches neues Update Liste laden...Nicht activiert "));
        ui->Command20->hide();
        ui->Check2->setChecked(false);
    }
    ui->Command13->show();
}

} // namespace ortelia
