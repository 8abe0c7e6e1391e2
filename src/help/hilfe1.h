#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class hilfe1;
}

namespace ortelia {

class WebBrowser;

// The help window: shows the explanation that any window writes into its label HLabel1, reads
// it aloud with the help voice when automatic reading is on, and offers read-aloud, stop, pause,
// resume, repeat, the clipboard read-aloud, a larger text and the program description.
class hilfe1 : public QWidget {
    Q_OBJECT
public:
    explicit hilfe1(QWidget *parent = nullptr);
    ~hilfe1() override;

    // Sets the help text; a new text is mirrored in the large label and, with automatic reading
    // on, read aloud at once.
    Q_INVOKABLE void setHelpText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readAloud();
    void enlarge();
    void normalView();
    // The help page blank.htm, loaded on first use.
    WebBrowser &helpPage();
    void pressOnBothPages(const QString &button);
    void openDescription();
    void setHelpAndDescription(const QString &text);
    void attachHoverTexts();

    std::unique_ptr<Ui::hilfe1> ui;
    WebBrowser *WebBrowser1 = nullptr;
    QStringList List1;
};

} // namespace ortelia
