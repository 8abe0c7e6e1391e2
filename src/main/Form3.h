#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class Form3;
}

class QListWidget;

namespace ortelia {

class ClipboardTranslator;
class Dictionary;
struct WindowServices;

// The main window "Ortelia Zuzadivi Zeverovazur": the start-up window, shaped by its background
// picture. It carries the panels of the single-word translator, the options and the window tools
// (each a class with its own form), the clipboard translator and the buttons that open the other
// windows, and the browser control WebBrowser1 on which its translator looks words up.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(WindowServices &services, QWidget *parent = nullptr);
    ~Form3() override;

    // The requests of the other windows that the main window answers.
    static void answerRequests(WindowServices &services);

    // The load step, run once the registry knows the window.
    void Form_Load();

    // The window's widths, narrow and wide.
    static constexpr int kNarrowWidth = 557;
    static constexpr int kWideWidth = 831;
    static constexpr int kHeight = 340;

    // The start mode of the start settings: the clipboard translator opens when it is chosen.
    void ApplyStartMode();

    // The single-word translator panel.
    void ApplyChosenDictionary();
    void CloseTranslatorPanel();

    // Reads the clipboard aloud with the page's standard voice.
    void ReadClipboardAloud();
    // Reads the window's reading text Label1 aloud with the help voice.
    void ReadWindowText();

    void openDescription();
    void openListTranslator();
    void showOptions();
    void setStatus(const QString &text);
    ClipboardTranslator &clipboardTranslator() { return *m_clipboard; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void connectWindow();
    void connectTranslator();
    void connectTools();
    void connectState();
    void attachHoverHelp();

    void orderTabs();

    // Window tools.
    bool handleKey(int key);
    void applyShape();
    void setWide(bool wide);
    void setPanelTop(QWidget *panel, int top);
    void endFromLabel7();
    void playSound(const QString &name);
    void showHelpWindow();
    void showListTranslatorProgress(int step);
    void showDictionaryFolder(bool moveFrame);
    void showWindow(const QString &name);
    void setHelpLabel(const QString &text);

    // The single-word translator panel.
    void chooseLanguage(const QString &page, const QString &caption, const QStringList &show,
                        const QStringList &hide);
    void openTranslatorPanel(bool dictation);
    void closeTranslatorPanel(bool full);
    void showTextPairSide(bool first, const QString &name);

    bool writeClipboardFieldQuoted();

    void append(QListWidget *list, const QStringList &lines);

    WindowServices &m_services;
    std::unique_ptr<Ui::Form3> ui;
    ClipboardTranslator *m_clipboard;
    // The translator's dictionary, on the page of WebBrowser1 (whose hits the wide window shows).
    Dictionary *m_dictionary;
    // The text translator's language names as last shown on the buttons.
    QString m_textFirst;
    QString m_textSecond;
    QImage m_background;
    bool m_ending = false;
};

} // namespace ortelia
