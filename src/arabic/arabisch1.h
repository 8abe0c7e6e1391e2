#pragma once

#include "TextRoutines.h"

#include <QWidget>

#include <memory>

namespace Ui {
class arabisch1;
}

namespace ortelia {

struct ArabicKey;
class KeyButton;
class FormTimer;
class LanguagePair;
struct WindowServices;

// The Arabic keyboard "Arabisch-Tastatur [Arabicnews R-L]": a keyboard picture whose keys write
// Arabic letters into the text field, and Enter hands the text to the main window's translator or
// to the text translator, in the German or the foreign direction.
class arabisch1 : public QWidget {
    Q_OBJECT
public:
    explicit arabisch1(WindowServices &services, QWidget *parent = nullptr);
    ~arabisch1() override;

    // Shows the keyboard serving the window that asks for it.
    static void answerRequests(WindowServices &services);

    void Form_Load();

    // A key area as the user clicks it (left or right button).
    void pressKey(const ArabicKey &key, Qt::MouseButton button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using Direction = TextDirection;

    void buildKeyAreas();
    void drawKeyboard();
    void attachHoverHelp();
    void insertCharacter(const QString &text);
    void deleteBeside(bool before);

    void setFont(const QString &family, Qt::Alignment alignment, bool rightToLeft);
    void useArabicFont(Qt::Alignment alignment, bool rightToLeft);
    void useChosenFont(Qt::Alignment alignment, bool rightToLeft);
    void focusText();
    void focusTextUnlessOnKeys();
    void rightToLeftTick();
    void fontSizeChanged(const QString &value);

    void enterPressed();
    void send(Direction direction);
    void sendToMainWindow(Direction direction, const QString &text);
    void sendToTextTranslator(Direction direction, const QString &text);
    void bindServedWindow();
    // The language names of the window the keyboard serves.
    const LanguagePair &servedPair() const;
    void refreshDirectionLabels();
    bool mainWindowIsTarget() const;
    void setTopmost(bool topmost);

    WindowServices &m_services;
    std::unique_ptr<Ui::arabisch1> ui;
    FormTimer *Timer1; // right-to-left: keeps the caret where the next letter goes
    KeyButton *Label55 = nullptr;
    KeyButton *Label56 = nullptr;
};

} // namespace ortelia
