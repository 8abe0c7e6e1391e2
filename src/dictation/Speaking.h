#pragma once

#include "WordQueue.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Speaking;
}

namespace ortelia {

class FormTimer;
class OptionGroup;
struct WindowServices;

// The dictation interpreter: whatever a dictation program (or a person) writes into the
// dictation field becomes a paced stream of single words for the main window's translator, one
// every slider value plus 100 ms. A phrase that arrives through Text1 while another
// is handed over waits in Text3, where a newer one replaces it. While nothing is queued, no timer
// runs.
class Speaking : public QWidget {
    Q_OBJECT
public:
    explicit Speaking(WindowServices &services, QWidget *parent = nullptr);
    ~Speaking() override;

    // Closes the window when the translator leaves dictation, as its close button does.
    static void answerRequests(WindowServices &services);

    void Form_Load();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void inputSettled();
    void phraseArrived(const QString &phrase);
    void text1Input();
    void startPhrase();
    void Verschieb8();
    void handOver();
    void phraseEnded();
    void readySignal();
    void stopStepping();
    void clearAll();
    void setPace(int milliseconds);
    void showQueue();
    void setRunning(bool running);
    void attachHoverTexts();

    WindowServices &m_services;
    std::unique_ptr<Ui::Speaking> ui;
    OptionGroup *Option1;
    FormTimer *Timerverschieben;
    FormTimer *TimerVerschib8;
    // Lets a dictation burst or typed keys settle into one phrase.
    FormTimer *TimerEingabe;
    WordQueue m_queue;
    bool m_running = false;
};

} // namespace ortelia
