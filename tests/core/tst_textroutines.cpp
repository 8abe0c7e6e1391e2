#include "TestSupport.h"
#include "TextRoutines.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using namespace ortelia;

class TextRoutinesTest : public QObject {
    Q_OBJECT

private:
    static QStringList split(const QString &text, QChar separator = QLatin1Char(' '))
    {
        return splitWords(text, separator).value_or(QStringList{QStringLiteral("<too many>")});
    }

    static QStringList translateSplit(const QString &text, TextDirection direction)
    {
        // The translate action normalises once, then the splitter normalises again.
        return split(normalizeForTranslation(normalizeForTranslation(text, direction), direction));
    }

private slots:
    void replaceAllMovesPastInsertedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three blanks become two") << "a   b"
                                                 << "  "
                                                 << " "
                                                 << "a  b";
        QTest::newRow("four blanks become two") << "a    b"
                                                << "  "
                                                << " "
                                                << "a  b";
        QTest::newRow("inserted text not searched again") << "aa"
                                                          << "a"
                                                          << "aa"
                                                          << "aaaa";
        QTest::newRow("strip extension") << "DeEn.txt"
                                         << ".txt"
                                         << ""
                                         << "DeEn";
        QTest::newRow("case sensitive") << "Auto;auto"
                                        << "auto"
                                        << "x"
                                        << "Auto;x";
        QTest::newRow("semicolon shown as dash") << "hallo;hello;Gruss"
                                                 << ";"
                                                 << "  -  "
                                                 << "hallo  -  hello  -  Gruss";
        QTest::newRow("empty search changes nothing") << "abc"
                                                      << ""
                                                      << "x"
                                                      << "abc";
        QTest::newRow("overlapping matches taken from the left") << "aaaaa"
                                                                 << "aa"
                                                                 << "b"
                                                                 << "bba";
    }
    void replaceAllMovesPastInsertedText()
    {
        QFETCH(QString, text);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, expected);
        QString work = text;
        const QString &returned = ZeichenErsetzen(work, from, to);
        QCOMPARE(work, expected);
        QCOMPARE(&returned, &work);
    }

    void normalisationPadsPunctuation()
    {
        QCOMPARE(normalizeForTranslation(QStringLiteral("Hallo, Welt."), TextDirection::German),
                 QStringLiteral("Hallo , Welt . "));
        QCOMPARE(normalizeForTranslation(QStringLiteral("[Haus]"), TextDirection::German),
                 QStringLiteral(" [ Haus ] "));
        QCOMPARE(translateSplit(QStringLiteral("Hallo, Welt."), TextDirection::German),
                 (QStringList{"Hallo", ",", "Welt", "."}));
    }

    void hyphenDiffersByDirection()
    {
        QCOMPARE(translateSplit(QStringLiteral("well-known"), TextDirection::Foreign),
                 (QStringList{"well", "known"}));
        QCOMPARE(translateSplit(QStringLiteral("Ober-Haus"), TextDirection::German),
                 (QStringList{"Ober", "-", "Haus"}));
    }

    void semicolonBecomesColonAndOtherSignsArePadded()
    {
        QCOMPARE(translateSplit(QStringLiteral("a;b"), TextDirection::German), (QStringList{"a", ":", "b"}));
        QCOMPARE(normalizeForTranslation(QStringLiteral("1+2=3_4°"), TextDirection::German),
                 QStringLiteral("1 + 2 = 3 _ 4 ° "));
        QCOMPARE(normalizeForTranslation(QStringLiteral("a/b\\c'd&e"), TextDirection::German),
                 QStringLiteral("a / b \\ c ' d & e"));
        QCOMPARE(normalizeForTranslation(QStringLiteral("(a){b}!?"), TextDirection::German),
                 QStringLiteral(" ( a ) { b } ! ? "));
        // ":" and letters stay inside their words.
        QCOMPARE(normalizeForTranslation(QStringLiteral("Uhr:zeit"), TextDirection::German),
                 QStringLiteral("Uhr:zeit"));
    }

    void lineBreaksAndQuotesBecomeMarkers()
    {
        // The carriage return stays with the word before the line-break marker.
        QCOMPARE(translateSplit(QStringLiteral("eins\r\nzwei"), TextDirection::German),
                 (QStringList{"eins\r", "`\u00B4", "zwei"}));
        QCOMPARE(translateSplit(QStringLiteral("er sagte \"ja\""), TextDirection::German),
                 (QStringList{"er", "sagte", "`\u00B4", "ja", "`\u00B4"}));
        // One pass leaves the quote as a line feed inside the text.
        QCOMPARE(normalizeForTranslation(QStringLiteral("\"a"), TextDirection::German),
                 QStringLiteral("\na"));
    }

    // Typographic quotes go as their plain kinds: double ones become line-break markers, single
    // ones words of their own; the text around them splits as before.
    void typographicQuotesGoAsPlainOnes()
    {
        for (TextDirection direction : {TextDirection::German, TextDirection::Foreign}) {
            for (const QChar quote : QStringView(u"\u201E\u201C\u201D\u00AB\u00BB")) {
                QCOMPARE(translateSplit(QStringLiteral("er sagte %1ja%1").arg(quote), direction),
                         translateSplit(QStringLiteral("er sagte \"ja\""), direction));
            }
            for (const QChar quote : QStringView(u"\u201A\u2018\u2019\u2039\u203A")) {
                QCOMPARE(translateSplit(QStringLiteral("geht%1s nicht").arg(quote), direction),
                         (QStringList{"geht", quote, "s", "nicht"}));
            }
        }
        QCOMPARE(translateSplit(QStringLiteral("\u201EHallo\u201C"), TextDirection::German),
                 (QStringList{"", "`\u00B4", "Hallo", "`\u00B4"}));
    }

    void secondPassYieldsTheSameWords()
    {
        const QString text = QStringLiteral("Wer? Ich, (du) - wir!");
        const QString once = normalizeForTranslation(text, TextDirection::German);
        QCOMPARE(split(normalizeForTranslation(once, TextDirection::German)), split(once));
        QCOMPARE(split(once), (QStringList{"Wer", "?", "Ich", ",", "(", "du", ")", "-", "wir", "!"}));
    }

    void splitterHandlesSeparatorRuns()
    {
        QCOMPARE(split(QStringLiteral("a   b")), (QStringList{"a", "b"}));
        QCOMPARE(split(QStringLiteral(" a")), (QStringList{"", "a"}));
        QCOMPARE(split(QStringLiteral("a  ")), (QStringList{"a"}));
        QCOMPARE(split(QString()), (QStringList{""}));
        QCOMPARE(split(QStringLiteral("hallo;hello;;Gruss;"), QLatin1Char(';')),
                 (QStringList{"hallo", "hello", "Gruss"}));
    }

    void splitterLimitIs1501Words()
    {
        test::RecordingResponder responder;
        QStringList words;
        for (int i = 0; i < 1501; ++i)
            words << QString::number(i);
        const std::optional<QStringList> full = splitWords(words.join(QLatin1Char(' ')), QLatin1Char(' '));
        QVERIFY(full);
        QCOMPARE(full->size(), 1501);
        QVERIFY(responder.requests.isEmpty());

        // The windows say so; the splitter only refuses.
        words << QStringLiteral("zuviel");
        QVERIFY(!splitWords(words.join(QLatin1Char(' ')), QLatin1Char(' ')));
        QVERIFY(responder.requests.isEmpty());
    }

    void splitterReadsAtMost32767Characters()
    {
        test::RecordingResponder responder;
        const QString text = QString(32767, QLatin1Char('x')) + QStringLiteral(" y");
        const std::optional<QStringList> words = splitWords(text, QLatin1Char(' '));
        QVERIFY(words);
        QCOMPARE(*words, QStringList{QString(32767, QLatin1Char('x'))});
    }

    void pauseLetsOtherHandlersRun()
    {
        bool fired = false;
        QTimer::singleShot(50, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        pause(0.2);
        QVERIFY(fired);
        QVERIFY(clock.elapsed() >= 200);
    }
};

QTEST_MAIN(TextRoutinesTest)
#include "tst_textroutines.moc"
