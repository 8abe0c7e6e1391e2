#include "HoverHelp.h"
#include "TestSupport.h"
#include "WindowRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace ortelia;

class HoverHelpTest : public QObject {
    Q_OBJECT

private:
    // What the help line was sent, as the help window would show it.
    QStringList m_texts;

private slots:
    void initTestCase()
    {
        connect(&HoverHelp::helpLine(), &HelpLine::shown, this,
                [this](const QString &text) { m_texts << text; });
    }
    void init() { m_texts.clear(); }

    void hoveringWritesTheHelpLabelAndHighlights()
    {
        QWidget window;
        window.resize(300, 200);
        auto *layout = new QVBoxLayout(&window);
        auto *start = new QPushButton(QStringLiteral("&Translator:"));
        auto *end = new QPushButton(QStringLiteral("&ENDE"));
        auto *status = new QLabel;
        layout->addWidget(start);
        layout->addWidget(end);
        layout->addWidget(status);
        layout->addStretch();
        HoverHelp::attach(start, QStringLiteral("Translator öffnen"));
        HoverHelp::Options exitOptions;
        exitOptions.highlight = HoverHelp::lightRed();
        exitOptions.alsoDo = [status] { status->setText(QStringLiteral("Programm beenden !")); };
        HoverHelp::attach(end, QStringLiteral("Alle Fenster schließen. Programm Ende."), exitOptions);
        const QColor before = start->palette().color(start->backgroundRole());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(m_texts.isEmpty());

        QTest::mouseMove(start, QPoint(5, 5));
        QTRY_COMPARE(m_texts.value(0), QStringLiteral("Translator öffnen"));
        QCOMPARE(start->palette().color(start->backgroundRole()), HoverHelp::lightYellow());

        QTest::mouseMove(end, QPoint(5, 5));
        QTRY_COMPARE(m_texts.size(), 2);
        QCOMPARE(m_texts.last(), QStringLiteral("Alle Fenster schließen. Programm Ende."));
        QCOMPARE(status->text(), QStringLiteral("Programm beenden !"));
        QCOMPARE(end->palette().color(end->backgroundRole()), HoverHelp::lightRed());
        QCOMPARE(start->palette().color(start->backgroundRole()), before);

        // The bare window takes the highlight back.
        QTest::mouseMove(&window, QPoint(290, 190));
        QTRY_COMPARE(end->palette().color(end->backgroundRole()), before);
    }

    // Text a style sheet makes white is drawn black on the highlight; afterwards the control looks
    // as before, in the window's small font.
    void styledTextIsReadableOnTheHighlight()
    {
        QWidget window;
        window.resize(300, 100);
        QFont small = window.font();
        small.setPointSize(7);
        window.setFont(small);
        auto *label = new QLabel(QStringLiteral("E N D E"), &window);
        label->setGeometry(10, 10, 120, 24);
        label->setStyleSheet(QStringLiteral("color: white;"));
        HoverHelp::attach(label, QStringLiteral("Programm Ende."));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage before = label->grab().toImage();

        QTest::mouseMove(label, QPoint(5, 5));
        QTRY_COMPARE(m_texts.value(0), QStringLiteral("Programm Ende."));
        const QImage hovered = label->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < hovered.height(); ++y)
            for (int x = 0; x < hovered.width(); ++x)
                darkest = qMin(darkest, QColor(hovered.pixel(x, y)).lightness());
        QVERIFY2(darkest < 64, qPrintable(QString::number(darkest)));

        QTest::mouseMove(&window, QPoint(290, 90));
        QTRY_COMPARE(label->grab().toImage(), before);
    }

    void focusCountsOnlyWhereAsked()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *a = new QPushButton(QStringLiteral("a"));
        auto *b = new QPushButton(QStringLiteral("b"));
        layout->addWidget(a);
        layout->addWidget(b);
        HoverHelp::attach(a, QStringLiteral("nur Maus"));
        HoverHelp::Options focus;
        focus.onFocus = true;
        HoverHelp::attach(b, QStringLiteral("auch Fokus"), focus);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        a->setFocus();
        b->setFocus();
        QTRY_COMPARE(m_texts, QStringList{"auch Fokus"});
        QCOMPARE(HoverHelp::textOf(a), QStringLiteral("nur Maus"));
    }

    void registryCreatesOnDemandAndUnloads()
    {
        WindowRegistry registry;
        registry.registerWindow(QStringLiteral("hilfe1"), [] { return new QWidget; });
        QVERIFY(!registry.window(QStringLiteral("gibtsnicht")));
        QWidget *first = registry.window(QStringLiteral("hilfe1"));
        QVERIFY(first);
        QCOMPARE(registry.window(QStringLiteral("hilfe1")), first);
        QCOMPARE(first->objectName(), QStringLiteral("hilfe1"));
        QPointer<QWidget> guard(first);
        registry.unload(QStringLiteral("hilfe1"));
        QVERIFY(!registry.existing(QStringLiteral("hilfe1")));
        QTRY_VERIFY(!guard);
        QWidget *fresh = registry.window(QStringLiteral("hilfe1"));
        QVERIFY(fresh);
        QVERIFY(fresh != first || !guard);
    }
};

QTEST_MAIN(HoverHelpTest)
#include "tst_hoverhelp.moc"
