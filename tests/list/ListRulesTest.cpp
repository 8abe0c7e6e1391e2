// The list translator's rules that need no window: the model, the fields of a line, the letter file.

#include "ListTests.h"

#include "DictionaryModel.h"
#include "LetterFile.h"
#include "ListLine.h"

#include <QtTest>

using namespace ortelia;

// Fields count by position: an empty middle field keeps the note third; a trailing ";" adds none.
void ListRulesTest::fieldsByPosition()
{
    QCOMPARE(lineFields(QStringLiteral("kopf;;Körperteil")), (QStringList{"kopf", "", "Körperteil"}));
    QCOMPARE(lineField(QStringLiteral("kopf;;Körperteil"), 2), QStringLiteral("Körperteil"));
    QCOMPARE(lineField(QStringLiteral("kopf;;Körperteil"), 1), QString());
    QCOMPARE(lineFields(QStringLiteral("auto;car;")), (QStringList{"auto", "car"}));
    QCOMPARE(lineField(QStringLiteral("xyz"), 1), QString());
    QCOMPARE(displayLine(QStringLiteral("auto;car;")), QStringLiteral("auto  -  car  -  "));
}

// Four sections as four roots; the prefix search ignores case, umlauts included, and finds the
// first line in file order.
void ListRulesTest::modelSectionsAndPrefixSearch()
{
    DictionaryModel model;
    model.setSections({QStringList{"ab;x;", "ärger;anger;"}, QStringList{},
                       QStringList{"haus;house;", "hau;hit;"}, QStringList{"zu;to;"}});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.rowCount(model.sectionIndex(0)), 2);
    QCOMPARE(model.rowCount(model.sectionIndex(1)), 0);
    QCOMPARE(model.index(1, 0, model.sectionIndex(2)).data().toString(), QStringLiteral("hau;hit;"));
    QCOMPARE(model.parent(model.index(1, 0, model.sectionIndex(2))), model.sectionIndex(2));
    QCOMPARE(model.findPrefix(0, QStringLiteral("Ä")), 1);
    QCOMPARE(model.findPrefix(2, QStringLiteral("HAU")), 0);
    QCOMPARE(model.findPrefix(2, QStringLiteral("hau;")), 1);
    QCOMPARE(model.findPrefix(3, QString(10000, QLatin1Char('z'))), -1);
    // A megabyte line is searched whole but shown cut.
    model.setSections({QStringList{QString(1 << 20, QLatin1Char('m'))}, {}, {}, {}});
    QVERIFY(model.index(0, 0, model.sectionIndex(0)).data().toString().size() < 2000);
    QCOMPARE(model.findPrefix(0, QString(5000, QLatin1Char('M'))), 0);
}

void ListRulesTest::letterFileIsOneQuotedLine()
{
    QCOMPARE(letterFileText(QStringLiteral("car trial ")), QStringLiteral("\"car trial \"\r\n"));
    QCOMPARE(letterFileText(QStringLiteral("Liebe Anna,\nwie geht's?")),
             QStringLiteral("\"Liebe Anna,\r\nwie geht's?\"\r\n"));
    QCOMPARE(letterFileText(QString()), QStringLiteral("\"\"\r\n"));
}
