// The dictation interpreter's word queue without a window.

#include "TestSupport.h"
#include "WordQueue.h"

#include <QtTest>

using namespace ortelia;
using namespace ortelia::test;

class WordQueueTest : public QObject {
    Q_OBJECT

private slots:
    void phrasesQueueWithEndMarkers()
    {
        WordQueue queue;
        QVERIFY(queue.addPhrase(QStringLiteral("Hallo  Haus\r\nWelt")));
        QVERIFY(queue.addPhrase(QStringLiteral("Hund")));
        QCOMPARE(queue.items(), QStringList({"Hallo", "Haus", "Welt", "", "Hund", ""}));
        QVERIFY(!queue.hasCurrent());
    }

    void stepWalksFromTheFirstItemAndEndsSilently()
    {
        WordQueue queue;
        queue.addPhrase(QStringLiteral("eins zwei"));
        QStringList handed;
        while (queue.step())
            handed << queue.current();
        QCOMPARE(handed, QStringList({"eins", "zwei", ""}));
        QVERIFY(queue.isEmpty());
        QVERIFY(!queue.step());
        QCOMPARE(queue.current(), QString());
    }

    void finishedPhraseLeavesTheNextOneWaiting()
    {
        WordQueue queue;
        queue.addPhrase(QStringLiteral("eins"));
        queue.addPhrase(QStringLiteral("zwei"));
        queue.step();
        queue.step();
        QCOMPARE(queue.current(), QString());
        queue.finishPhrase();
        QVERIFY(!queue.hasCurrent());
        QVERIFY(queue.step());
        QCOMPARE(queue.current(), QStringLiteral("zwei"));
    }

    void phrasesWithoutWordsAddNothing()
    {
        RecordingResponder responder;
        WordQueue queue;
        QVERIFY(!queue.addPhrase(QStringLiteral(" ... !!! , ?")));
        QVERIFY(!queue.addPhrase(QString()));
        QVERIFY(queue.addPhrase(QStringLiteral("Haus, ... Baum!")));
        QCOMPARE(queue.items(), QStringList({"Haus,", "Baum!", ""}));
        QVERIFY(responder.requests.isEmpty());
    }

    void tooManyWordsAreRefusedWithTheMessage()
    {
        RecordingResponder responder;
        WordQueue queue;
        QVERIFY(!queue.addPhrase(QStringLiteral("wort ").repeated(8000)));
        QVERIFY(queue.isEmpty());
        QCOMPARE(responder.texts(), QStringList({"Zu viele Worte!"}));
    }
};

QTEST_MAIN(WordQueueTest)
#include "tst_wordqueue.moc"
