#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class zeit;
}

namespace ortelia {

class FormTimer;
class WindowRegistry;
struct WindowServices;

// The update schedule: a daily or a monthly check, and for the monthly one the month of the next
// update. Loaded hidden at start; its start operation decides whether an update is due and
// leads to the update window.
class zeit : public QWidget {
    Q_OBJECT
public:
    explicit zeit(WindowServices &services, QWidget *parent = nullptr);
    ~zeit() override;

    // Runs the start operation, as the schedule's start button does.
    static void answerRequests(WindowServices &services);

    void Form_Load();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void startNow();
    void applySwitches();
    void compare();
    void buildDateNow();
    void readStoredDate();
    void readOptions();
    void saveOptions();
    bool saveUpdateDate();
    void dailyClicked(bool on);
    void monthlyClicked(bool on);
    void openUpdateWindow();
    void unloadWindow();

    WindowRegistry &m_windows;
    std::unique_ptr<Ui::zeit> ui;
    FormTimer *Timer1; // reads the options once, after a start
};

} // namespace ortelia
