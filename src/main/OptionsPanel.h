#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class OptionsPanel;
}

namespace ortelia {

class OptionGroup;

// The options panel Frame1 of the main window: the start mode and the computer's speed, kept in
// the start settings (syso/reg2.txt), the program's folder and the dictionaries to edit. It waits
// below the window until it is shown.
class OptionsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget *parent = nullptr);
    ~OptionsPanel() override;

    void SaveStartSettings();
    void LoadStartSettings();
    // The chosen button of "Option1" (start mode) or "Option3" (speed).
    int SelectedOptionIndex(const QString &group) const;

    void showAt(int top);
    // Out of view below the window, saving the settings first when asked.
    void closePanel(bool save);
    void showProgramFolder();

signals:
    // A speed was chosen (also by reading the settings): the text translator's speed value.
    void speedChosen(int value);
    void dictionaryFolderWanted();

private:
    void attachHoverHelp();

    std::unique_ptr<Ui::OptionsPanel> ui;
    OptionGroup *m_startMode;
    OptionGroup *m_speed;
    bool m_loadingSettings = false;
};

} // namespace ortelia
