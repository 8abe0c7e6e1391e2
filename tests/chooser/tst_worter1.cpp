// The dictionary chooser window, driven with clicks and keys: the name, data source line,
// caption and height of a chosen file, the page it writes and the target it has load it.

#include "HoverHelp.h"
#include "LookupPage.h"
#include "MainWindowFixture.h"
#include "ProgramFolder.h"
#include "TestSupport.h"
#include "hilfe1.h"
#include "worter1.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class ChooserWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> folder;
    std::unique_ptr<TestServices> program;
    // The text translator's language names each time the chooser has it load a dictionary.
    QStringList applied;

    QWidget *chooser() { return program->windows.window(QStringLiteral("worter1")); }
    template <class T = QWidget> T *part(const char *name)
    {
        T *found = chooser()->findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString helpText()
    {
        return program->windows.window(QStringLiteral("hilfe1"))
            ->findChild<QLabel *>(QStringLiteral("HLabel1"))
            ->text();
    }
    QWidget *openForTextTranslator()
    {
        QWidget *w = chooser();
        part<QCheckBox>("Check1")->setChecked(false);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("chooser not active");
        return w;
    }
    QListWidgetItem *fileItem(const QString &name)
    {
        const QList<QListWidgetItem *> found = part<QListWidget>("File1")->findItems(name, Qt::MatchExactly);
        if (found.size() != 1)
            qFatal("no file %s in the list", qPrintable(name));
        return found.first();
    }
    void clickFile(const QString &name, bool twice = false)
    {
        auto *list = part<QListWidget>("File1");
        QListWidgetItem *item = fileItem(name);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            // The second press of a double click arrives as the double-click event.
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        }
    }
    QString name() { return part<QLineEdit>("Text1")->text(); }
    QString sourceLine() { return part<QLineEdit>("Text4")->text(); }
    QByteArray page() { return folder->readBytes(QStringLiteral("TranslateDeGb/sysx")); }
    QColor base(const char *control) { return part(control)->palette().color(QPalette::Base); }
    QColor button(const char *control) { return part(control)->palette().color(QPalette::Button); }

private slots:
    void init()
    {
        folder = std::make_unique<TempProgramFolder>();
        program = std::make_unique<TestServices>();
        program->registerWindow<hilfe1>(QStringLiteral("hilfe1"));
        program->registerWindow<worter1>(QStringLiteral("worter1"));
        program->state.textPair.set(QStringLiteral("Deutsch"), QStringLiteral("Englisch"));
        applied.clear();
        connect(&program->requests, &ProgramRequests::dictionaryChosen, this, [this](Served served) {
            if (served == Served::TextTranslator)
                applied << program->state.textPair.first() + QLatin1Char('+') +
                               program->state.textPair.second();
        });
    }
    void cleanup()
    {
        program.reset();
        folder.reset();
    }

    void chosenFileGivesNameLineCaptionAndHeight()
    {
        folder->writeBytes(QStringLiteral("TranslateDeGb/Deutsch-Arabisch.txt"),
                           "oberestextfeld;unterestextfeld\r\n");
        folder->writeBytes(QStringLiteral("TranslateDeGb/Alt.txt.Kopie.txt"),
                           "oberestextfeld;unterestextfeld\r\n");
        QWidget *w = openForTextTranslator();
        QCOMPARE(part<QListWidget>("File1")->count(), 8);

        clickFile(QStringLiteral("DeEn.txt"));
        QCOMPARE(name(), QStringLiteral("DeEn"));
        QCOMPARE(sourceLine(), QStringLiteral("<param name=\"DataURL\" value=\"DeEn.txt\">"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Deutsch-Englisch"));

        clickFile(QStringLiteral("Deutsch-Arabisch.txt"));
        QCOMPARE(name(), QStringLiteral("Deutsch-Arabisch"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Deutsch-Arabisch"));
        QCOMPARE(w->height(), 4215 / 15);
        // The Arabic keyboard button it uncovers stays hidden: the program has no keyboard yet.
        QVERIFY(part("arabisch")->isHidden());

        clickFile(QStringLiteral("Woerterbuch-Muster.txt"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Wörterbuch"));
        QCOMPARE(w->height(), 3705 / 15);

        clickFile(QStringLiteral("Alt.txt.Kopie.txt"));
        QCOMPARE(name(), QStringLiteral("Alt.Kopie"));
        QCOMPARE(sourceLine(), QStringLiteral("<param name=\"DataURL\" value=\"Alt.Kopie.txt\">"));

        // Typing into the name field rebuilds the line on every change.
        auto *field = part<QLineEdit>("Text1");
        field->clear();
        QTest::keyClicks(field, QStringLiteral("DeFr.txt"));
        QCOMPARE(sourceLine(), QStringLiteral("<param name=\"DataURL\" value=\"DeFr.txt\">"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Deutsch-Französisch"));

        // The list is read again when the window is shown; the edit button opens the selected file.
        w->hide();
        folder->writeBytes(QStringLiteral("TranslateDeGb/Neu.txt"), "oberestextfeld;unterestextfeld\r\n");
        w->show();
        fileItem(QStringLiteral("Neu.txt"));
        clickFile(QStringLiteral("DeSp.txt"));
        DesktopRecorder desktop;
        part<QPushButton>("Command2")->click();
        QCOMPARE(desktop.opened,
                 QStringList{QUrl::fromLocalFile(folder->file(QStringLiteral("TranslateDeGb/DeSp.txt"))).toString()});
    }

    void applyWritesThePageAndLoadsItInTheTextTranslator()
    {
        QWidget *w = openForTextTranslator();
        clickFile(QStringLiteral("DeFr.txt"));
        part<QPushButton>("Command1")->click();
        QVERIFY(page().contains("<param name=\"DataURL\" value=\"DeFr.txt\">"));
        QVERIFY(page().endsWith((LookupPage::tail() + QStringLiteral("\r\n")).toLatin1()));
        // The text translator loads the page half a second after it was written.
        QVERIFY(applied.isEmpty());
        QTRY_COMPARE(applied, QStringList{QStringLiteral("Deutsch+Englisch")});
        QVERIFY(!w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Wörterbücher-Uebersetzer:"));

        // A double click names the languages "Lade..." until the text translator has loaded.
        openForTextTranslator();
        clickFile(QStringLiteral("DeIt.txt"), true);
        QCOMPARE(program->state.textPair.second(), QStringLiteral("Lade..."));
        QTRY_COMPARE(applied.size(), 2);
        QCOMPARE(applied.last(), QStringLiteral("Lade...+Lade..."));
        QVERIFY(page().contains("<param name=\"DataURL\" value=\"DeIt.txt\">"));
        QVERIFY(!w->isVisible());
    }

    void failedWriteWarnsAndLoadsNothing()
    {
        RecordingResponder responder;
        openForTextTranslator();
        clickFile(QStringLiteral("DeFr.txt"));
        // The page's place is taken by a folder, then the dictionary folder is gone.
        QVERIFY(QDir(folder->path()).mkpath(QStringLiteral("TranslateDeGb/sysx")));
        part<QPushButton>("Command1")->click();
        clickFile(QStringLiteral("DeIt.txt"), true);
        QVERIFY(QDir(folder->file(QStringLiteral("TranslateDeGb"))).removeRecursively());
        part<QPushButton>("Command1")->click();
        QCOMPARE(responder.requests.size(), 3);
        for (const DialogRequest &request : responder.requests) {
            QVERIFY2(request.text.startsWith(QLatin1String("Achtung")), qPrintable(request.text));
            QVERIFY2(request.text.contains(QLatin1String("sysx")), qPrintable(request.text));
        }
        QVERIFY(applied.isEmpty());
        QCOMPARE(program->state.textPair.second(), QStringLiteral("Englisch"));
    }

    void mainWindowOpensTheChooserForItselfOrTheTextTranslator()
    {
        program = registerMainWindows();
        QSignalSpy chosen(&program->requests, &ProgramRequests::dictionaryChosen);
        Form3 *main = shown();
        auto *open = control<QPushButton>("laenderfenster");
        QVERIFY(!open->isHidden());
        QVERIFY(!control("Picture20")->isHidden());
        open->click();
        QWidget *w = program->windows.existing(QStringLiteral("worter1"));
        QVERIFY(w && w->isVisible());
        QVERIFY(part<QCheckBox>("Check1")->isChecked());
        QCOMPARE(w->windowTitle(), QStringLiteral("Wörterbücher-Translator"));
        clickFile(QStringLiteral("DeFr.txt"));
        part<QPushButton>("Command1")->click();
        QTRY_COMPARE(chosen.size(), 1);
        QCOMPARE(chosen.last().first().value<Served>(), Served::Translator);
        QCOMPARE(w->windowTitle(), QStringLiteral("Wörterbücher-Translator"));
        QVERIFY(!w->isVisible());

        // The clipboard translator's dictionary picture opens it for the text translator.
        control<QToolButton>("Picture20")->click();
        QVERIFY(w->isVisible());
        QVERIFY(!part<QCheckBox>("Check1")->isChecked());
        QVERIFY(control("Picture20")->isHidden());
        clickFile(QStringLiteral("DeSp.txt"));
        part<QPushButton>("Command1")->click();
        QTRY_COMPARE(chosen.size(), 2);
        QCOMPARE(chosen.last().first().value<Served>(), Served::TextTranslator);
        QVERIFY(main->isVisible());
    }

    // A user switches between all shipped dictionaries: the translator always names the chosen pair
    // and answers from it, and opening the translator again keeps it.
    void everyShippedDictionaryInTurn()
    {
        // The real dictionaries in place of the small ones (the folder before is gone first, as it
        // restores the program folder it found).
        folder.reset();
        folder = std::make_unique<TempProgramFolder>(true);
        program = registerMainWindows();
        shown();
        control<QPushButton>("Command13")->click();
        const struct {
            const char *file;
            const char *language;
            const char *haus;
        } dictionaries[] = {{"DeFr.txt", "Frazösisch", "maison"}, {"Deutsch-Arabisch.txt", "Arabisch", "المنزل"},
                            {"DeEn.txt", "Englisch", "house"},     {"DeGr.txt", "Griechisch", "σπίτι"},
                            {"DeIt.txt", "Italienisch", "casa"},   {"DeSp.txt", "Spanisch", "casa"}};
        const auto lookUpHaus = [] {
            QLineEdit *field = control<QLineEdit>("TextD");
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, QStringLiteral("haus"));
            QTest::keyClick(field, Qt::Key_Return);
        };
        for (const auto &dictionary : dictionaries) {
            control<QPushButton>("laenderfenster")->click();
            clickFile(QString::fromUtf8(dictionary.file));
            part<QPushButton>("Command1")->click();
            const QString language = QString::fromUtf8(dictionary.language);
            QTRY_COMPARE_WITH_TIMEOUT(control<QPushButton>("englisch")->text(), language, 10000);
            QCOMPARE(control<QPushButton>("suche")->text(), QStringLiteral("Deutsch"));
            // The answer of the pair before is gone.
            for (const char *answer : {"lblText", "Label21G", "Label21"})
                QCOMPARE(control<QLabel>(answer)->text(), QString());
            lookUpHaus();
            QTRY_COMPARE(control<QLabel>("lblText")->text(), QString::fromUtf8(dictionary.haus));
            QCOMPARE(control<QPushButton>("englisch")->text(), language);
            QCOMPARE(program->state.translatorPair.second(), language);
        }
        control<QPushButton>("Command13")->click();
        QCOMPARE(control<QPushButton>("englisch")->text(), QStringLiteral("Spanisch"));
        control<QLabel>("lblText")->clear();
        lookUpHaus();
        QTRY_COMPARE(control<QLabel>("lblText")->text(), QStringLiteral("casa"));
    }

    // The chooser opens for the window that asks, the main window with its own caption.
    void otherWindowsOpenTheChooserForThemselves()
    {
        emit program->requests.openChooser(Served::Translator);
        QVERIFY(chooser()->isVisible());
        QVERIFY(part<QCheckBox>("Check1")->isChecked());
        QCOMPARE(chooser()->windowTitle(), QStringLiteral("Wörterbücher-Translator"));
        emit program->requests.openChooser(Served::TextTranslator);
        QVERIFY(!part<QCheckBox>("Check1")->isChecked());
    }

    void hoverHelpFocusColoursAndKeys()
    {
        QWidget *w = openForTextTranslator();
        const QColor plainButton = button("Command1");
        const QColor plainBase = base("Text1");
        QTest::mouseMove(part("Command1"), QPoint(5, 5));
        QTRY_COMPARE(helpText(), QStringLiteral("Mit Klick wird das ausgewählte Wörterbuch geladen!"));
        QCOMPARE(button("Command1"), HoverHelp::lightYellow());
        part("Command2")->setFocus();
        QTRY_COMPARE(
            helpText(),
            QStringLiteral("Mit Klick wird das ausgewählte Wörterbuch geöffnet um es zu bearbeiten!"));
        QCOMPARE(button("Command2"), HoverHelp::yellow());
        QCOMPARE(button("Command1"), plainButton);

        part("Text1")->setFocus();
        QTRY_COMPARE(base("Text1"), HoverHelp::lightYellow());
        QCOMPARE(button("Command2"), plainButton);
        clickFile(QStringLiteral("DeGr.txt"));
        QTRY_COMPARE(base("File1"), HoverHelp::lightYellow());
        QCOMPARE(base("Text1"), plainBase);
        // A key in the list tells the help with the caption of the file chosen so far.
        QTest::keyClick(part("File1"), Qt::Key_Down);
        QCOMPARE(
            helpText(),
            QStringLiteral("Mit Doppelklick wird das ausgewählte Wörterbuch geladen! Deutsch-Griechisch"));
        QCOMPARE(name(), QStringLiteral("DeIt"));

        QTest::keyClick(part("File1"), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QCOMPARE(program->windows.existing(QStringLiteral("worter1")), w);
    }
};

QTEST_MAIN(ChooserWindowTest)
#include "tst_worter1.moc"
