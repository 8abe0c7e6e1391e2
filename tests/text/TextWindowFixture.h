#pragma once

// What the text translator's test programs share: the program's windows started afresh in a
// fresh program folder for each test (the main window first, since its speech page speaks for all),
// the text translator's controls by name, and the speech log.

#include "FormTimer.h"
#include "WindowFixture.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace ortelia::test {

inline const QString kStandardVoice = QStringLiteral("#Standar Sprecher#");

class TextWindowFixture : public WindowFixture {
protected:
    TextWindowFixture() : WindowFixture(windows::TextUeberA) {}

    SpeechLog speechLog;

    void startWindows()
    {
        startProgram();
        program->windows.window(windows::Form3)->show();
        speechLog.newLines();
    }
    // The text translator shown, reading afterwards switched off.
    void startTextTranslator()
    {
        startWindows();
        showWindow();
        QTest::mouseClick(c<QRadioButton>("Option1_0"), Qt::LeftButton);
    }
    void stopWindows() { stopProgram(); }
    void showWindow()
    {
        window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    QStringList items(const char *list)
    {
        QStringList result;
        for (int i = 0; i < c<QListWidget>(list)->count(); ++i)
            result << c<QListWidget>(list)->item(i)->text();
        return result;
    }
    void type(const char *field, const QString &text)
    {
        auto *edit = c<QPlainTextEdit>(field);
        edit->setFocus();
        // Key by key, also for letters beyond ASCII.
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void translate(const QString &text, int wordPause = 50)
    {
        c<QScrollBar>("HScroll1")->setValue(wordPause);
        type("Text", text);
        QTest::mouseClick(c<QPushButton>("SpeakButton"), Qt::LeftButton);
    }
    bool idle()
    {
        const QList<FormTimer *> timers = window()->findChildren<FormTimer *>();
        return std::none_of(timers.begin(), timers.end(), [](FormTimer *t) { return t->isActive(); });
    }
};

} // namespace ortelia::test
