#pragma once

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QWidget;

namespace ortelia {

// The main window's clipboard translator: text copied anywhere is handed to the text translator
// as German (F5, Command15) or English (F6, Command16) source text and translated there; the
// panel Frame5 arranges the text translator narrow beside the main window.
class ClipboardTranslator : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QWidget *mainWindow;
        QWidget *panel;              // Frame5
        QAbstractButton *open;       // Command8
        QAbstractButton *german;     // Command15
        QAbstractButton *english;    // Command16
        QAbstractButton *close;      // Command17
        QAbstractButton *openGerman; // Command19 (fen1)
        QAbstractButton *openEnglish; // Command20 (fen2)
        QCheckBox *mini;             // Check6
        QCheckBox *loadedGerman;     // Check7
        QCheckBox *loadedEnglish;    // Check8
        QWidget *chooserPicture;     // Picture20
    };
    ClipboardTranslator(const Controls &controls, QObject *parent);

    void OpenClipboardTranslator();
    void TranslateClipboardGerman();
    void TranslateClipboardEnglish();
    void CloseClipboardTranslator();
    // F5 and F6: translate, then open if needed; a text translator loaded by the first step
    // translates the clipboard a second time.
    void keyF5();
    void keyF6();

private:
    enum class Side { German, English };
    void translateClipboard(Side side);
    void openIfNeeded(Side side);
    void setMini(bool mini);

    Controls m_controls;
};

} // namespace ortelia
