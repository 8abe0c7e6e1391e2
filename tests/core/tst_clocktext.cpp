#include "ClockText.h"

#include <QLocale>
#include <QTest>

using namespace ortelia;

class TestClockText : public QObject {
    Q_OBJECT

private slots:
    void timeAndDateAsReadAloud()
    {
        const QDateTime moment(QDate(2026, 3, 4), QTime(9, 5, 3));
        QCOMPARE(ClockTimeAndDate(moment), QStringLiteral("09:05:03Uhr.    04.03.2026"));
    }

    void clockAndDateLabels_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("clock");
        QTest::newRow("midnight") << QTime(0, 0, 0) << "00:00:00";
        QTest::newRow("afternoon, 24 hours") << QTime(23, 59, 59) << "23:59:59";
        QTest::newRow("milliseconds dropped") << QTime(12, 0, 7, 999) << "12:00:07";
    }
    void clockAndDateLabels()
    {
        QFETCH(QTime, time);
        QFETCH(QString, clock);
        QCOMPARE(ClockTime(time), clock);
        QCOMPARE(ClockDate(QDate(1999, 12, 31)), QStringLiteral("31.12.1999"));
        QCOMPARE(ClockDate(QDate(2000, 1, 2)), QStringLiteral("02.01.2000"));
    }

    // The user's language settings must not change the digits or the 24-hour clock.
    void independentOfTheUserLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString text = ClockTimeAndDate(QDateTime(QDate(2026, 3, 4), QTime(21, 5, 3)));
        QLocale::setDefault(previous);
        QCOMPARE(text, QStringLiteral("21:05:03Uhr.    04.03.2026"));
    }
};

QTEST_GUILESS_MAIN(TestClockText)
#include "tst_clocktext.moc"
