#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class UpdateSwitches;
}

namespace ortelia {

// The update window's box "Automatische Update Einstellung:": whether the window fetches the
// update list as it opens, and whether it then lists only the dictionaries after the last update.
class UpdateSwitches : public QGroupBox {
    Q_OBJECT
public:
    explicit UpdateSwitches(QWidget *parent = nullptr);
    ~UpdateSwitches() override;

    void read();
    bool automatic() const;
    bool onlyNewer() const;

signals:
    // A line for the window's status.
    void described(const QString &status);
    void automaticSwitchedOn();
    void fetchRequested();

private:
    void save();
    void firstClicked(bool on);

    std::unique_ptr<Ui::UpdateSwitches> ui;
};

} // namespace ortelia
