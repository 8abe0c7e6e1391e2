// The schedule window driven with clicks: the switches, the saved files, the start operation with
// its wait, question and options timer, and the comparison that leads to the update window.

#include "FormTimer.h"
#include "TestServices.h"
#include "TestSupport.h"
#include "WindowRegistry.h"
#include "hilfe1.h"
#include "up1.h"
#include "zeit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class ScheduleWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<RecordingResponder> responder;
    std::unique_ptr<TestServices> program;
    const QDate today = QDate::currentDate();

    QWidget *window() { return program->windows.window(windows::zeit); }
    template <class T = QWidget> T *c(const char *name)
    {
        T *found = window()->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(QAbstractButton *button)
    {
        // On the box itself: a wide check box takes clicks on its box and caption only.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    void click(const char *button) { click(c<QPushButton>(button)); }
    QByteArray quoted(const QString &date) { return ('"' + date + "\"\r\n").toLatin1(); }
    bool updateWindowShown()
    {
        QWidget *up = program->windows.existing(windows::up1);
        return up && up->isVisible();
    }

private slots:
    void init()
    {
        folder = std::make_unique<TempProgramFolder>();
        responder = std::make_unique<RecordingResponder>();
        folder->writeBytes(QStringLiteral("syso/optionen.chk"), "0\r\n");
        folder->writeBytes(QStringLiteral("syso/optionen1.chk"), "0\r\n");
        folder->writeBytes(QStringLiteral("syso/update-datum.chk"), "20070501\r\n");
        program = std::make_unique<TestServices>();
        program->registerWindow<hilfe1>(windows::hilfe1);
        program->registerWindow<up1>(windows::up1);
        program->registerWindow<zeit>(windows::zeit);
    }

    void cleanup()
    {
        program.reset();
        responder.reset();
        folder.reset();
    }

    void loadFillsTheDatesOnly()
    {
        QVERIFY(!window()->isVisible());
        QCOMPARE(c<QLabel>("Label4")->text(), today.toString(QStringLiteral("yyyyMMdd")));
        QCOMPARE(c<QComboBox>("Combo1")->currentText(), today.toString(QStringLiteral("MM")));
        QCOMPARE(c<QLineEdit>("Text1")->text(), QStringLiteral("letztes Datum"));
        QVERIFY(!program->windows.existing(windows::up1));
        QVERIFY(responder->requests.isEmpty());
    }

    void switchesClearEachOtherAndAreSaved()
    {
        window()->show();
        auto *daily = c<QCheckBox>("Check5");
        auto *monthly = c<QCheckBox>("Check4");
        click(daily);
        QCOMPARE(daily->text(), QStringLiteral("Täglich"));
        click(monthly);
        QVERIFY(!daily->isChecked());
        QCOMPARE(monthly->text(), QStringLiteral("Monatlich"));
        QVERIFY(c<QPushButton>("Command7")->isEnabled());
        click(monthly);
        QCOMPARE(monthly->text(), QStringLiteral("Monatlich aus "));
        click(monthly);

        auto *month = c<QComboBox>("Combo1");
        month->setFocus();
        QTRY_COMPARE(
            program->windows.window(windows::hilfe1)->findChild<QLabel *>(QStringLiteral("HLabel1"))->text(),
            QStringLiteral("Nechstes Update Monat: ") + month->currentText());
        month->setCurrentIndex(11);
        click("Command5");
        QCOMPARE(folder->readBytes(QStringLiteral("syso/optionen.chk")), QByteArray(" 0 \r\n 1 \r\n"));
        QCOMPARE(folder->readBytes(QStringLiteral("syso/update-datum.chk")),
                 quoted(today.toString(QStringLiteral("yyyy")) + QStringLiteral("12") +
                        today.toString(QStringLiteral("dd"))));

        daily->setChecked(false);
        monthly->setChecked(false);
        click("Command4");
        QVERIFY(!daily->isChecked());
        QVERIFY(monthly->isChecked());
    }

    void compareLeadsToTheUpdateWindowWhenDue()
    {
        // Equal: not due; the window is hidden.
        folder->writeBytes(QStringLiteral("syso/update-datum.chk"),
                           quoted(today.toString(QStringLiteral("yyyyMMdd"))));
        window()->show();
        click("Command52");
        QVERIFY(!window()->isVisible());
        QVERIFY(!updateWindowShown());

        // Earlier: due; the update window opens and this window is unloaded.
        folder->writeBytes(QStringLiteral("syso/update-datum.chk"), "\"20070501\"\r\n");
        window()->show();
        click("Command52");
        QVERIFY(updateWindowShown());
        QTRY_VERIFY(!program->windows.existing(windows::zeit));

        // No date file: due as well.
        program->windows.existing(windows::up1)->hide();
        QFile::remove(folder->file(QStringLiteral("syso/update-datum.chk")));
        window()->show();
        click("Command50");
        QVERIFY(updateWindowShown());
    }

    void startAsksDailyAndReadsTheOptionsAfterwards()
    {
        folder->writeBytes(QStringLiteral("syso/optionen.chk"), " 0 \r\n 1 \r\n");
        window()->show();
        click(c<QCheckBox>("Check5"));
        responder->answers = {DialogAnswer::Ok, DialogAnswer::No};
        QElapsedTimer clock;
        clock.start();
        click("Command14");
        QVERIFY(responder->requests.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(responder->requests.size(), 2, 5000);
        QVERIFY(clock.elapsed() >= 3100);
        QCOMPARE(responder->texts(),
                 (QStringList{"Tägliches Wörterbuch Update", "Wollen Sie zum Update-Fenster ?"}));
        QCOMPARE(responder->requests[1].title, QStringLiteral("Neues Wörterbuch suchen !"));
        QVERIFY(responder->requests[1].warning);
        QVERIFY(!updateWindowShown());
        QVERIFY(!c<QPushButton>("Command7")->isEnabled());
        // The options timer reads the file once after the switches were applied.
        QVERIFY(c<FormTimer>("Timer1")->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(c<QCheckBox>("Check4")->isChecked(), 3000);
        QVERIFY(!c<QCheckBox>("Check5")->isChecked());
        QVERIFY(!c<FormTimer>("Timer1")->isEnabled());

        // Yes takes the way to the update window.
        click(c<QCheckBox>("Check5"));
        responder->answers = {DialogAnswer::Ok, DialogAnswer::Yes};
        click("Command3");
        QVERIFY(updateWindowShown());
        QVERIFY(!window()->isVisible());
    }

    // The update buttons of the main and the help window run the start operation.
    void otherWindowsStartTheSchedule()
    {
        emit program->requests.startUpdateSchedule();
        QVERIFY(!c<FormTimer>("Timer1")->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(c<FormTimer>("Timer1")->isActive(), 5000);
        QCOMPARE(c<QCheckBox>("Check5")->text(), QStringLiteral("Täglich aus "));
        QVERIFY(!c<QPushButton>("Command7")->isEnabled());
    }
};

QTEST_MAIN(ScheduleWindowTest)
#include "tst_zeit.moc"
