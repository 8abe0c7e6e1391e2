// The Arabic keyboard: its key table, the keys clicked with either button, writing right to left,
// Enter to the main window's translator and to the text translator in both directions, the
// language names of the window it serves, the font size field, and the chooser's button that
// opens it.

#include "ArabicFont.h"
#include "ArabicKeys.h"
#include "Form3.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class ArabicKeyboardTest : public WindowFixture {
    Q_OBJECT

public:
    ArabicKeyboardTest() : WindowFixture(windows::arabisch1) {}

private:
    QLineEdit *text() { return c<QLineEdit>("Text1"); }
    void click(const char *area, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(c<QAbstractButton>(area), button);
    }
    void openKeyboard()
    {
        window()->show();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }

private slots:
    void init()
    {
        startProgram();
        folder->writeBytes(QStringLiteral("syso/reg2.txt"), "False\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
        program->windows.window(windows::Form3)->show();
    }
    void cleanup() { stopProgram(); }

    void keyTableHasEveryAreaOnce()
    {
        QSet<QString> names;
        for (const ArabicKey &key : ArabicKeys::all()) {
            QVERIFY2(!names.contains(QLatin1String(key.label)), key.label);
            names.insert(QLatin1String(key.label));
            const QRectF area = ArabicKeys::area(key, 1);
            QVERIFY(area.left() >= 0 && area.right() <= ArabicKeys::kColumns &&
                    area.bottom() <= ArabicKeys::kRows);
            for (const ArabicKey &other : ArabicKeys::all()) {
                if (&other != &key)
                    QVERIFY2(!area.intersects(ArabicKeys::area(other, 1)), key.label);
            }
        }
        for (int i = 1; i <= 66; ++i)
            QVERIFY2(names.contains(QStringLiteral("Label%1").arg(i)), qPrintable(QString::number(i)));
        QCOMPARE(names.size(), 66);
    }

    void keysInsertTheirLettersAtTheCaret()
    {
        openKeyboard();
        click("Label14"); // q
        click("Label18"); // f
        click("Label47"); // b: lam-alif
        QCOMPARE(text()->text(), QStringLiteral(u"\u0636\u0628\u0644\u0627"));
        click("Label11", Qt::RightButton); // [ with the right button
        click("Label11");
        click("Label44", Qt::RightButton); // x: sukun
        click("Label20", Qt::RightButton); // a key with one character gives it to either button
        QCOMPARE(text()->text().mid(4), QStringLiteral(u">\u062C\u0652\u0627"));

        text()->setSelection(0, 2);
        click("Label26");
        QCOMPARE(text()->text().left(2), QStringLiteral(u" \u0644"));
        QCOMPARE(text()->cursorPosition(), 1);
        click("Label41"); // *del
        click("Label42"); // del*
        QCOMPARE(text()->text().left(2), QStringLiteral(u"\u0627>"));
        click("Label40"); // DeL*.*
        QVERIFY(text()->text().isEmpty());
    }

    // The letters are stored in reading order; the field draws them right to left.
    void rightToLeftKeepsTheCaretWhereTheNextLetterGoes()
    {
        openKeyboard();
        QTest::mouseClick(c<QPushButton>("rl"), Qt::LeftButton);
        QCOMPARE(text()->layoutDirection(), Qt::RightToLeft);
        QVERIFY(text()->alignment() & Qt::AlignRight);
        click("Label14");
        click("Label2");
        QCOMPARE(text()->text(), QStringLiteral(u"\u0636\u0635"));
        // The w drawn in front of (left of) the q.
        text()->setCursorPosition(1);
        const auto caretX = [this] {
            return text()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        const int afterQ = caretX();
        text()->setCursorPosition(2);
        QVERIFY(caretX() < afterQ);

        text()->setCursorPosition(0);
        QTRY_COMPARE(text()->cursorPosition(), 2);
        QTest::mouseClick(c<QPushButton>("auswahlLr"), Qt::LeftButton);
        QCOMPARE(text()->layoutDirection(), Qt::LeftToRight);
        text()->setCursorPosition(0);
        QTest::qWait(700);
        QCOMPARE(text()->cursorPosition(), 0);
    }

    // Writing right to left keeps the caret in place only while the keyboard is the active window:
    // typing in another window stays there.
    void rightToLeftLeavesTheFocusOfOtherWindows()
    {
        openKeyboard();
        QTest::mouseClick(c<QPushButton>("rl"), Qt::LeftButton);
        QLineEdit other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.setFocus();
        QTest::qWait(3 * 500);
        QCOMPARE(QApplication::activeWindow(), &other);
        QVERIFY(other.hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hallo"));
        QCOMPARE(other.text(), QStringLiteral("hallo"));
        QVERIFY(text()->text().isEmpty());
    }

    // Each key is a button that Tab reaches, that Space presses and that a screen reader names
    // with its letter.
    void keysAreNamedButtonsForTheKeyboard()
    {
        QSet<QString> names;
        for (const ArabicKey &key : ArabicKeys::all()) {
            auto *area = c<QAbstractButton>(key.label);
            QVERIFY2(area->focusPolicy() & Qt::TabFocus, key.label);
            const QString name = QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), key.label);
            if (key.role == KeyRole::Character) {
                // Only the two colon keys share a name.
                QVERIFY2(!names.contains(name) || name == QStringLiteral("Doppelpunkt"), qPrintable(name));
                names.insert(name);
            }
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(c<QAbstractButton>("Label14"))->text(QAccessible::Name),
                 QStringLiteral("Dad"));
        QCOMPARE(QAccessible::queryAccessibleInterface(c<QAbstractButton>("Label11"))
                     ->text(QAccessible::Description),
                 QStringLiteral("Rechte Maustaste: >"));

        openKeyboard();
        text()->setFocus();
        QWidget *reached = text();
        for (int i = 0; i < 200 && reached->objectName() != QLatin1String("Label14"); ++i) {
            QTest::keyClick(reached, Qt::Key_Tab);
            reached = QApplication::focusWidget();
        }
        QCOMPARE(reached->objectName(), QStringLiteral("Label14"));
        QTest::keyClick(reached, Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(text()->text(), QStringLiteral(u"\u0636\u0636"));
        QCOMPARE(QApplication::focusWidget(), reached);
    }

    void textSitsAtTheEdgeItIsWrittenFrom()
    {
        openKeyboard();
        const auto caretX = [this] {
            return text()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        QTest::mouseClick(c<QPushButton>("rl"), Qt::LeftButton);
        click("Label14");
        click("Label2");
        // The field places its text when it paints.
        QTRY_VERIFY(caretX() > text()->width() / 2);
        QTest::mouseClick(c<QPushButton>("auswahlLr"), Qt::LeftButton);
        QTRY_VERIFY(caretX() < text()->width() / 2);
    }

    void arabicFontIsChosenOrHinted()
    {
        QCOMPARE(ArabicFont::choose({"Foo", "Noto Sans Arabic", "Noto Naskh Arabic"}),
                 QStringLiteral("Noto Naskh Arabic"));
        QCOMPARE(ArabicFont::choose({"Foo Arabic"}), QStringLiteral("Foo Arabic"));
        QVERIFY(ArabicFont::choose({}).isEmpty());
        openKeyboard();
        QTest::mouseClick(c<QPushButton>("arabic"), Qt::LeftButton);
        const QString family = ArabicFont::installed();
        if (!family.isEmpty())
            QCOMPARE(text()->font().family(), family);
        QCOMPARE(window()->focusWidget(), text());
    }

    void enterSendsToTheMainWindowsTranslator()
    {
        QSignalSpy lookups(&program->requests, &ProgramRequests::lookUpWord);
        openKeyboard();
        text()->setFocus();
        QTest::keyClicks(text(), QStringLiteral("hallo"));
        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(lookups.size(), 1);
        QCOMPARE(lookups.last().at(0).toString(), QStringLiteral("hallo"));
        QCOMPARE(lookups.last().at(1).value<TextDirection>(), TextDirection::German);
        QVERIFY(text()->text().isEmpty());
        QCOMPARE(c<QCheckBox>("Check3")->text(), QStringLiteral("Deutsch Enter"));
        QTRY_VERIFY(window()->isVisible());

        c<QCheckBox>("Check3")->setChecked(false);
        text()->setText(QStringLiteral("house"));
        QTest::keyClick(text(), Qt::Key_Enter);
        QCOMPARE(lookups.size(), 2);
        QCOMPARE(lookups.last().at(0).toString(), QStringLiteral("house"));
        QCOMPARE(lookups.last().at(1).value<TextDirection>(), TextDirection::Foreign);
        QCOMPARE(c<QCheckBox>("Check3")->text(), QStringLiteral("Englisch Enter"));
        QVERIFY(text()->text().isEmpty());
        QCOMPARE(window()->focusWidget(), text());
    }

    // The main window opens the keyboard for its German-Arabic dictionary: the send keys carry
    // its language names, and an Arabic word written with the keys goes out in the foreign
    // direction.
    void keyboardServesTheMainWindowsArabicDictionary()
    {
        program->state.keyboardServesTextTranslator.set(true);
        QVERIFY(c<QRadioButton>("Option1_1")->isChecked());
        program->state.translatorPair.set(QStringLiteral("Deutsch"), QStringLiteral("Arabisch"));
        emit program->requests.openArabicKeyboard(Served::Translator);
        QVERIFY(window()->isVisible());
        QVERIFY(c<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(c<QAbstractButton>("Label56")->text(), QStringLiteral("Arabisch"));

        QSignalSpy lookups(&program->requests, &ProgramRequests::lookUpWord);
        QTest::mouseClick(c<QCheckBox>("Check3"), Qt::LeftButton, {}, QPoint(6, 10));
        click("Label18"); // b
        click("Label17"); // y
        click("Label21"); // t
        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(c<QCheckBox>("Check3")->text(), QStringLiteral("Arabisch Enter"));
        QCOMPARE(lookups.size(), 1);
        QCOMPARE(lookups.last().at(0).toString(), QStringLiteral(u"\u0628\u064A\u062A"));
        QCOMPARE(lookups.last().at(1).value<TextDirection>(), TextDirection::Foreign);
    }

    void enterSendsToTheTextTranslator()
    {
        QSignalSpy texts(&program->requests, &ProgramRequests::translateText);
        program->state.textPair.set(QStringLiteral("Deutsch"), QStringLiteral("Spanisch"));
        openKeyboard();
        c<QRadioButton>("Option1_1")->setChecked(true);
        QVERIFY(!c<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(program->state.keyboardServesTextTranslator.value());
        QCOMPARE(c<QAbstractButton>("Label56")->text(), QStringLiteral("Spanisch"));
        text()->setText(QStringLiteral(u"\u0628\u064A\u062A"));
        QTest::keyClick(text(), Qt::Key_Return);
        QWidget *translator = program->windows.window(windows::TextUeberA);
        QVERIFY(translator->isVisible());
        QCOMPARE(translator->height(), 6985 / 15);
        QCOMPARE(translator->pos(), QPoint(0, 0));
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.last().at(0).toString(), QStringLiteral(u"\u0628\u064A\u062A"));
        QCOMPARE(texts.last().at(1).value<TextDirection>(), TextDirection::German);
        QVERIFY(text()->text().isEmpty());

        QTest::mouseClick(c<QCheckBox>("Check3"), Qt::LeftButton, {}, QPoint(6, 10));
        text()->setText(QStringLiteral("house"));
        QTest::keyClick(text(), Qt::Key_Return);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.last().at(0).toString(), QStringLiteral("house"));
        QCOMPARE(texts.last().at(1).value<TextDirection>(), TextDirection::Foreign);
        QVERIFY(text()->text().isEmpty());
    }

    void fontSizeOutsideOneToTwoHundredIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-5";
        QTest::newRow("not a number") << "gross";
        QTest::newRow("too large") << "201";
    }
    void fontSizeOutsideOneToTwoHundredIsRefused()
    {
        QFETCH(QString, typed);
        auto *size = c<QLineEdit>("Text2");
        const qreal before = text()->font().pointSizeF();
        size->setText(typed);
        QCOMPARE(responder->requests.size(), 1);
        QCOMPARE(responder->requests.first().text,
                 QStringLiteral("Die Schrift muss grosser als [ 0 ] betragen"));
        QCOMPARE(size->text(), QStringLiteral("1"));
        QCOMPARE(text()->font().pointSizeF(), 1.0);
        size->setText(QStringLiteral("24"));
        QCOMPARE(text()->font().pointSizeF(), 24.0);
        QVERIFY(before > 0);
        QCOMPARE(responder->requests.size(), 1);
    }

    void tenThousandLettersStayWritable()
    {
        openKeyboard();
        QTest::mouseClick(c<QPushButton>("rl"), Qt::LeftButton);
        text()->setText(QString(9999, QChar(0x0628)));
        click("Label16");
        QCOMPARE(text()->text().size(), 10000);
        QVERIFY(text()->text().endsWith(QChar(0x0633)));
        QTest::keyClick(text(), Qt::Key_F5);
        QVERIFY(text()->text().isEmpty());
    }

    void chooserOpensTheKeyboardForTheArabicDictionary()
    {
        folder->writeBytes(QStringLiteral("TranslateDeGb/Deutsch-Arabisch.txt"),
                           "oberestextfeld;unterestextfeld\r\n");
        QWidget *chooser = program->windows.window(windows::worter1);
        chooser->show();
        auto *files = chooser->findChild<QListWidget *>(QStringLiteral("File1"));
        const QList<QListWidgetItem *> found =
            files->findItems(QStringLiteral("Deutsch-Arabisch.txt"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        files->scrollToItem(found.first());
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(found.first()).center());
        QCOMPARE(chooser->height(), 4215 / 15);
        auto *button = chooser->findChild<QPushButton *>(QStringLiteral("arabisch"));
        QVERIFY(!button->isHidden());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(window()->isVisible());
        QVERIFY(c<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(program->state.keyboardServesTextTranslator.value());
    }

    void closingUnloadsTheKeyboard()
    {
        openKeyboard();
        QPointer<QWidget> keyboard = window();
        QTest::keyClick(text(), Qt::Key_Escape);
        QTRY_VERIFY(!keyboard);
    }
};

QTEST_MAIN(ArabicKeyboardTest)
#include "tst_arabisch1.moc"
