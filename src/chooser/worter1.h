#pragma once

#include "ProgramRequests.h"

#include <QWidget>

#include <memory>

namespace Ui {
class worter1;
}

class QListWidgetItem;

namespace ortelia {

struct WindowServices;

// The dictionary chooser: lists the dictionaries of TranslateDeGb, writes the lookup page sysx
// for the chosen one and has its target load it: the main window when Check1 is ticked, else
// the text translator. It also opens a dictionary in the text editor and the Arabic keyboard.
class worter1 : public QWidget {
    Q_OBJECT
public:
    explicit worter1(WindowServices &services, QWidget *parent = nullptr);
    ~worter1() override;

    // Opens the chooser for the window that asks.
    static void answerRequests(WindowServices &services);
    void openFor(Served served);

    // The load step, run once the registry knows the window.
    void Form_Load();

    // Taller for the Arabic dictionary, which uncovers the Arabic keyboard button.
    static constexpr int kHeight = 247;
    static constexpr int kArabicHeight = 281;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshFileList();
    void choose(const QListWidgetItem *item);
    void nameChanged(const QString &name);
    bool writePage();
    // The target loads the page half a second after it was written.
    void apply();
    void applyFromDoubleClick(const QListWidgetItem *item);
    void loadInTarget();
    Served served() const;
    void editSelected();
    void attachHoverHelp();
    void showFileListHelp();

    WindowServices &m_services;
    std::unique_ptr<Ui::worter1> ui;
};

} // namespace ortelia
