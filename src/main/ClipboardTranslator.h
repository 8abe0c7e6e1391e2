#pragma once

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QWidget;

namespace ortelia {

struct WindowServices;
enum class TextDirection;

// The main window's clipboard translator: text copied anywhere is handed to the text translator
// as German (F5, Command15) or English (F6, Command16) source text and translated there; the
// panel Frame5 has the text translator arranged narrow beside the main window.
class ClipboardTranslator : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget *mainWindow;
        QWidget *panel;               // Frame5
        QAbstractButton *open;        // Command8
        QAbstractButton *german;      // Command15
        QAbstractButton *english;     // Command16
        QAbstractButton *close;       // Command17
        QAbstractButton *openGerman;  // Command19 (fen1)
        QAbstractButton *openEnglish; // Command20 (fen2)
        QCheckBox *mini;              // Check6
        QCheckBox *loadedGerman;      // Check7
        QCheckBox *loadedEnglish;     // Check8
        QWidget *chooserPicture;      // Picture20
    };
    ClipboardTranslator(WindowServices &services, const Controls &controls, QObject *parent);

    void OpenClipboardTranslator();
    void TranslateClipboard(TextDirection direction);
    // Translates; the text translator is arranged first when it is not open.
    void TranslateClipboardAndOpen(TextDirection direction);
    void CloseClipboardTranslator();
    // F5 and F6: translate, then open if needed; a text translator loaded by the first step
    // translates the clipboard a second time.
    void keyF5();
    void keyF6();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMini(bool mini);

    WindowServices &m_services;
    Controls m_controls;
    bool m_mainHiddenMeanwhile = false;
};

} // namespace ortelia
