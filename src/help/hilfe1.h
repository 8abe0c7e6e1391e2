#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class hilfe1;
}

namespace ortelia {

struct WindowServices;

// The help window: shows the explanation that any window writes into its label HLabel1, reads
// it aloud with the help voice when automatic reading is on, and offers read-aloud, stop, pause,
// resume, repeat, the clipboard read-aloud, a larger text and the program description.
class hilfe1 : public QWidget {
    Q_OBJECT
public:
    explicit hilfe1(WindowServices &services, QWidget *parent = nullptr);
    ~hilfe1() override;

    // Reads the help text aloud for the F2 of every window, as the read-aloud button does.
    static void answerRequests(WindowServices &services);

    // Sets the help text; a new text is mirrored in the large label and, with automatic reading
    // on, read aloud at once.
    void setHelpText(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readAloud();
    void enlarge();
    void normalView();
    void openDescription();
    void attachHoverTexts();

    WindowServices &m_services;
    std::unique_ptr<Ui::hilfe1> ui;
    QStringList List1;
    int m_normalHeight = 0;
};

} // namespace ortelia
