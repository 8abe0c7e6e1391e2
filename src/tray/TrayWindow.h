#pragma once

#include "TextRoutines.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace ortelia {

struct WindowServices;

// The invisible window "ortelia" that carries the program's icon in the notification area: a
// double click brings the main window back, the icon's menu mnBar reaches every function of the
// program through the program's requests. (The class cannot bear the window's name, which is the
// program's namespace.)
class TrayWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrayWindow(WindowServices &services, QWidget *parent = nullptr);
    ~TrayWindow() override;

    void Form_Load();
    // The main window ends the program: the icon goes with this window.
    static void answerRequests(WindowServices &services);

    QSystemTrayIcon *trayIcon() const { return m_icon; }
    QMenu *menu() const { return mnBar; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addEntry(const char *name, const QString &caption, void (TrayWindow::*run)());
    void addSeparator(const char *name);

    void showHelpWindow();
    void showTextTranslator();
    void readClipboard();
    void openChooserForClipboard();
    void openClipboardTranslator();
    void translateGermanClipboard();
    void translateForeignClipboard();
    void translateClipboard(TextDirection direction);
    void rightClicked();
    void showMainWindow();
    void toggleSound();
    void openVoiceSettings();
    void showOptions();
    void startSchedule();
    void showUpdateWindow();
    void openDescription();
    void openListTranslator();
    void endProgram();
    void removeIcon();
    void showLanguageNames();

    WindowServices &m_services;
    QSystemTrayIcon *m_icon;
    QMenu *mnBar;
    QAction *m_ude = nullptr;
    QAction *m_ued = nullptr;
    QAction *m_ton = nullptr;
    QTimer m_menuDelay;
    QPoint m_menuPosition;
};

} // namespace ortelia
