#pragma once

#include "VoicePattern.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Logox4;
}

class QAbstractSlider;
class QLabel;

namespace ortelia {

class ClickLabel;
class FormTimer;
class WebBrowser;
struct WindowServices;

// The voice settings window: a voice and six sliders make a voice pattern, which is heard with a
// test sentence and adopted as the voice profile stimm2.txt that every translation is spoken in.
class Logox4 : public QWidget {
    Q_OBJECT
public:
    explicit Logox4(WindowServices &services, QWidget *parent = nullptr);
    ~Logox4() override;

    void Form_Load();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct SliderRow {
        VoiceSlider slider;
        QAbstractSlider *scroll;
        QLabel *caption;
        ClickLabel *marker;
        ClickLabel *valueText;
    };

    void connectSliders();
    void connectButtons();
    void sliderMoved(const SliderRow &row, int value);
    void pickVoice(int index);
    void testSpeaker(const QString &voiceLine);
    void speakProfile();
    // The lines of stimm2.txt as stored; none when it cannot be read.
    QStringList storedProfile() const;
    // The voice line of the pattern: the one picked here, else the profile's.
    QString patternVoice() const;
    void testThroughMainPage();
    void adopt();
    void storeList();
    void showProfile();
    void takeProfileIntoEditBox();
    void handToMainWindow();
    void addEntry();
    void loadCollection(bool emptyFirst);
    void showCount();
    void setList1(const QStringList &lines);
    QStringList list1() const;
    void attachHoverTexts();

    WindowServices &m_services;
    std::unique_ptr<Ui::Logox4> ui;
    WebBrowser *WebBrowser2;
    FormTimer *Timer1;
    FormTimer *Timer2;
    std::vector<SliderRow> m_rows;
    VoicePattern m_pattern;
};

} // namespace ortelia
