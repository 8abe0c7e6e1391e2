// The text translator's reading aloud, voices, yellow field, guest file and printing.

#include "TextWindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QToolButton>

using namespace ortelia;
using namespace ortelia::test;

class TextReadingTest : public TextWindowFixture {
    Q_OBJECT

private slots:
    void init() { startTextTranslator(); }
    void cleanup() { stopWindows(); }

    // Reading the German list marks each heard line (umlauts included) in both lists; a help
    // text spoken meanwhile moves no mark; pause and resume follow the engine.
    void heardWordsAreMarkedInTheLists()
    {
        translate(QStringLiteral("schön süß Hund"));
        QTRY_COMPARE(items("List2"), (QStringList{kStandardVoice, "schön", "süß", "hund"}));
        QTRY_VERIFY(idle());
        QList<int> marked;
        connect(c<QListWidget>("List1"), &QListWidget::currentRowChanged, this,
                [&marked](int row) { marked << row; });
        QTest::mouseClick(c<QPushButton>("Command5"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(marked.contains(3), 5000);
        QCOMPARE(marked, (QList<int>{1, 2, 3}));
        QCOMPARE(c<QListWidget>("List2")->currentRow(), 3);
        QCOMPARE(c<QLabel>("lblText")->text(), QStringLiteral("dog"));
        QCOMPARE(folder->readBytes(QStringLiteral("hilfe.txt")),
                 QByteArray("#voice=name:lgx.de.bill#\r\nsch\xf6n\r\ns\xfc\xdf\r\nhund\r\n"));

        QStringList other{QStringLiteral("Ein Hilfetext mit vielen Worten, die gehört werden.")};
        program->speaker.speakText(other);
        QTest::qWait(1500);
        QCOMPARE(marked.size(), 3);

        QTest::mouseClick(c<QPushButton>("Command3"), Qt::LeftButton);
        QTest::mouseClick(c<QPushButton>("PauseButton"), Qt::LeftButton);
        QVERIFY(program->speaker.paused());
        QCOMPARE(c<QPushButton>("PauseButton")->text(), QStringLiteral("Weiter"));
        QTest::mouseClick(c<QPushButton>("PauseButton"), Qt::LeftButton);
        QVERIFY(!program->speaker.paused());
        QCOMPARE(c<QPushButton>("PauseButton")->text(), QStringLiteral("Pause"));
    }

    // A voice chosen in the box leads the list at the next translation and is heard once.
    void chosenVoiceLeadsTheList()
    {
        auto *voices = c<QComboBox>("SpeechFontCombo");
        QVERIFY(voices->count() > 4);
        QVERIFY(voices->findText(QStringLiteral("lgx.en.bill")) >= 0);
        voices->setFocus();
        QTest::keyClick(voices, Qt::Key_Down);
        const QString line = QStringLiteral("#voice=name:") + voices->currentText() + QLatin1Char('#');
        QCOMPARE(c<QLabel>("speechX1")->text(), line);
        QVERIFY(!c("Text3")->isVisible());
        QCOMPARE(
            program->windows.window(windows::hilfe1)->findChild<QLabel *>(QStringLiteral("HLabel1"))->text(),
            line + QStringLiteral("Test 1 2 3!"));
        translate(QStringLiteral("Hund"));
        QTRY_COMPARE(items("List1"), (QStringList{line, "dog"}));
    }

    // Each voice box shows the voice that reads its list; a voice picked for one pair does not
    // read the next pair's list.
    void voiceBoxesFollowTheLanguagesOfTheLists()
    {
        auto *foreign = c<QComboBox>("SpeechFontCombo");
        auto *german = c<QComboBox>("SpeechFontComboE");
        program->state.textPair.set(QStringLiteral("Deutsch "), QStringLiteral("Englisch "));
        QVERIFY(foreign->currentText().startsWith(QLatin1String("lgx.en.")));
        QVERIFY(german->currentText().startsWith(QLatin1String("lgx.de.")));
        foreign->setFocus();
        QTest::keyClick(foreign, Qt::Key_Down);
        QVERIFY(c<QLabel>("speechX1")->text() != kStandardVoice);

        program->state.textPair.set(QStringLiteral("Deutsch "), QStringLiteral("Frazösisch "));
        QCOMPARE(c<QLabel>("speechX1")->text(), kStandardVoice);
        QVERIFY(c("Text3")->isVisible());
        QVERIFY(foreign->currentText().startsWith(QLatin1String("lgx.fr.")));
        QVERIFY(german->currentText().startsWith(QLatin1String("lgx.de.")));
    }

    // The yellow field shows a list; Gast.txt holds only the latest text; a file that cannot be
    // written is reported and the text stays; printing puts the text on paper.
    void yellowFieldSavesAndPrints()
    {
        translate(QStringLiteral("Hund Katze"));
        QTRY_COMPARE(items("List1").size(), 3);
        QTest::mouseClick(c<QPushButton>("hrml"), Qt::LeftButton);
        auto *yellow = c<QPlainTextEdit>("Text2");
        QCOMPARE(yellow->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{kStandardVoice, "dog", "cat"}));
        // "Kopiere" copies the words, not the speech engine's voice line.
        QTest::mouseClick(c<QPushButton>("kop1"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("\r?\n")),
                                                            Qt::SkipEmptyParts),
                 (QStringList{"dog", "cat"}));
        QTest::mouseClick(c<QPushButton>("speicherngast"), Qt::LeftButton);
        yellow->setPlainText(QStringLiteral("Zweiter Text\nmit zwei Zeilen"));
        QTest::mouseClick(c<QPushButton>("speicherngast"), Qt::LeftButton);
        QCOMPARE(folder->readBytes(QStringLiteral("Gast.txt")),
                 QByteArray("Zweiter Text\r\nmit zwei Zeilen\r\n"));
        QVERIFY(responder->requests.isEmpty());

        QFile::remove(folder->file(QStringLiteral("Gast.txt")));
        QDir(folder->path()).mkdir(QStringLiteral("Gast.txt"));
        QTest::mouseClick(c<QPushButton>("speicherngast"), Qt::LeftButton);
        QCOMPARE(responder->texts(),
                 QStringList{QStringLiteral("Achtung : Schreibschutz entfernen [Gast.txt]!")});
        QCOMPARE(yellow->toPlainText(), QStringLiteral("Zweiter Text\nmit zwei Zeilen"));

        const QString pdf = folder->file(QStringLiteral("druck.pdf"));
        qputenv("ORTELIA_PRINT_PDF", pdf.toLocal8Bit());
        QTest::mouseClick(c<QToolButton>("Picture6"), Qt::LeftButton);
        qunsetenv("ORTELIA_PRINT_PDF");
        QCOMPARE(responder->texts().last(),
                 QStringLiteral("Achtung :Text im gelbem Textfeld wird zum Drucker übertragen!"));
        QProcess toText;
        toText.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(toText.waitForFinished());
        QCOMPARE(QString::fromUtf8(toText.readAllStandardOutput()).simplified(),
                 QStringLiteral("Zweiter Text mit zwei Zeilen"));
    }

    // Paste buttons: into an emptied input, onto the end of an input, one word looked up.
    void pasteButtonsTakeTheClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("Hund"));
        type("Text", QStringLiteral("alt "));
        QTest::mouseClick(c<QToolButton>("Picture1"), Qt::LeftButton);
        QCOMPARE(c<QPlainTextEdit>("Text")->toPlainText(), QStringLiteral("alt Hund"));
        QTest::mouseClick(c<QPushButton>("Command6"), Qt::LeftButton);
        QCOMPARE(c<QPlainTextEdit>("Text")->toPlainText(), QStringLiteral("Hund"));
        QTest::mouseClick(c<QPushButton>("einfDE"), Qt::LeftButton);
        QCOMPARE(c<QLineEdit>("Text1")->text(), QStringLiteral("hund"));
        QTRY_COMPARE(items("List1"), QStringList{QStringLiteral("dog")});
    }
};

QTEST_MAIN(TextReadingTest)
#include "tst_textreading.moc"
