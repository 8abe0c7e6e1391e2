#include "BaseFormFinder.h"
#include "FormTable.h"
#include "Stemmer.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace ortelia;

namespace {

const QString kHunspell = QStringLiteral("/usr/share/hunspell");

// A dictionary of a few keys, as the page's data object answers.
BaseFormFinder::Known dictionary(const QSet<QString> &keys)
{
    return [keys](const QString &word) { return keys.contains(word); };
}

std::unique_ptr<Stemmer> stemmer(const QString &language)
{
    QString error;
    std::unique_ptr<Stemmer> s = Stemmer::open(kHunspell, language, error);
    if (!s)
        qWarning("%s", qPrintable(error));
    return s;
}

FormTable table(const QStringList &lines)
{
    QString error;
    return *FormTable::parse(lines, QStringLiteral("test"), error);
}

} // namespace

class LexiconTest : public QObject {
    Q_OBJECT
private slots:
    void germanFormsStemsAndCompounds();
    void englishForms();
    void badWords();
    void damagedTableIsRefusedNamingTheLine();
    void missingHunspellDictionary();
};

void LexiconTest::germanFormsStemsAndCompounds()
{
    const BaseFormFinder finder(
        table({"# Kommentar", "ist;sein", "im;in", "daß;dass", "", "bin;nicht-im-wörterbuch"}),
        stemmer(QStringLiteral("de_DE")));
    const auto known =
        dictionary({"sein",   "in",      "dass", "haus",  "kind",  "gehen", "sehen",  "machen", "meister",
                    "arbeit", "zimmer",  "tür",  "schön", "auto",  "bahn",  "fahrer", "auge",   "mann",
                    "buch",   "meinung", "böse", "vor",   "sicht", "durch", "aus"});
    // The table first, in any case; a base form the dictionary lacks is no answer.
    QCOMPARE(finder.german(QStringLiteral("ist"), known), QStringList{"sein"});
    QCOMPARE(finder.german(QStringLiteral("Im"), known), QStringList{"in"});
    QCOMPARE(finder.german(QStringLiteral("daß"), known), QStringList{"dass"});
    QCOMPARE(finder.german(QStringLiteral("bin"), known), QStringList());
    // Hunspell stems, also of lower-case nouns; participles without their "ge".
    QCOMPARE(finder.german(QStringLiteral("häuser"), known), QStringList{"haus"});
    QCOMPARE(finder.german(QStringLiteral("kindern"), known), QStringList{"kind"});
    QCOMPARE(finder.german(QStringLiteral("gehst"), known), QStringList{"gehen"});
    QCOMPARE(finder.german(QStringLiteral("schönen"), known), QStringList{"schön"});
    QCOMPARE(finder.german(QStringLiteral("gesehen"), known), QStringList{"sehen"});
    QCOMPARE(finder.german(QStringLiteral("gemacht"), known), QStringList{"machen"});
    // Endings Hunspell leaves on, an umlaut undone.
    QCOMPARE(finder.german(QStringLiteral("Augen"), known), QStringList{"auge"});
    QCOMPARE(finder.german(QStringLiteral("männer"), known), QStringList{"mann"});
    QCOMPARE(finder.german(QStringLiteral("büchern"), known), QStringList{"buch"});
    QCOMPARE(finder.german(QStringLiteral("meinungen"), known), QStringList{"meinung"});
    QCOMPARE(finder.german(QStringLiteral("bösen"), known), QStringList{"böse"});
    QCOMPARE(finder.german(QStringLiteral("bücherei"), known), QStringList());
    // Compounds: the longest known head, a linking s, three parts at most.
    QCOMPARE(finder.german(QStringLiteral("hausmeister"), known), QStringList({"haus", "meister"}));
    QCOMPARE(finder.german(QStringLiteral("Arbeitszimmer"), known), QStringList({"arbeit", "zimmer"}));
    QCOMPARE(finder.german(QStringLiteral("autobahnfahrer"), known), QStringList({"auto", "bahn", "fahrer"}));
    QCOMPARE(finder.german(QStringLiteral("hauszzz"), known), QStringList());
    // A preposition or prefix makes a derivation, no compound.
    QCOMPARE(finder.german(QStringLiteral("vorsicht"), known), QStringList());
    QCOMPARE(finder.german(QStringLiteral("durchaus"), known), QStringList());
    QCOMPARE(finder.german(QStringLiteral("xyzabc"), known), QStringList());
}

void LexiconTest::englishForms()
{
    const BaseFormFinder finder(std::nullopt, nullptr,
                                table({"went;go", "children;child", "is;be", "does;do"}));
    const auto known = dictionary({"go", "child", "be", "do", "doe", "i", "dog", "house", "box", "study",
                                   "walk", "hope", "hop", "stop", "make", "run", "watch", "agree"});
    // The table first: "is" is no plural of "I", "does" none of "doe".
    QCOMPARE(finder.foreign(QStringLiteral("Went"), known), QStringList{"go"});
    QCOMPARE(finder.foreign(QStringLiteral("children"), known), QStringList{"child"});
    QCOMPARE(finder.foreign(QStringLiteral("is"), known), QStringList{"be"});
    QCOMPARE(finder.foreign(QStringLiteral("does"), known), QStringList{"do"});
    // Regular endings, the likelier base first.
    const QList<QPair<const char *, const char *>> regular = {
        {"dogs", "dog"},      {"houses", "house"},  {"boxes", "box"},    {"watches", "watch"},
        {"studies", "study"}, {"studied", "study"}, {"walked", "walk"},  {"hoped", "hope"},
        {"hopped", "hop"},    {"stopped", "stop"},  {"agreed", "agree"}, {"making", "make"},
        {"running", "run"},   {"walking", "walk"}};
    for (const auto &[form, base] : regular)
        QCOMPARE(finder.foreign(QString::fromLatin1(form), known), QStringList{QString::fromLatin1(base)});
    QCOMPARE(finder.foreign(QStringLiteral("cats"), known), QStringList());
    QCOMPARE(finder.foreign(QStringLiteral("sing"), known), QStringList());
    // Only German words are split.
    QCOMPARE(finder.foreign(QStringLiteral("doghouse"), known), QStringList());
}

void LexiconTest::badWords()
{
    const BaseFormFinder finder(table({"ist;sein"}), stemmer(QStringLiteral("de_DE")), table({"was;be"}));
    int asked = 0;
    const BaseFormFinder::Known known = [&asked](const QString &word) {
        ++asked;
        return word == QLatin1String("haus");
    };
    for (const QString &word :
         {QString(10000, QLatin1Char('a')), QString(10000, QLatin1Char('-')), QStringLiteral("---"),
          QStringLiteral("hausδσ"), QStringLiteral("haus1"), QStringLiteral("h"), QString(),
          QStringLiteral("haus-haus"), QStringLiteral("сhaus")}) {
        QCOMPARE(finder.german(word, known), QStringList());
        QCOMPARE(finder.foreign(word, known), QStringList());
    }
    QVERIFY(asked < 100);
}

void LexiconTest::damagedTableIsRefusedNamingTheLine()
{
    QString error;
    QVERIFY(FormTable::parse({"# Formen", "ist;sein", "", "war;sein;x"}, QStringLiteral("Grundformen.tab"),
                             error) == std::nullopt);
    QVERIFY2(error.startsWith(QStringLiteral("Grundformen.tab, Zeile 4:")), qPrintable(error));
    for (const QString &bad :
         {QStringLiteral("ohne Trenner"), QStringLiteral(";sein"), QStringLiteral("ist;"),
          QStringLiteral("ist;sein 2"), QString(100, QLatin1Char('x')) + QStringLiteral(";sein")}) {
        error.clear();
        QVERIFY(!FormTable::parse({"ist;sein", bad}, QStringLiteral("t"), error));
        QVERIFY2(error.startsWith(QStringLiteral("t, Zeile 2:")), qPrintable(error));
    }
    const std::optional<FormTable> good =
        FormTable::parse({"Ist ; Sein", "  # x"}, QStringLiteral("t"), error);
    QVERIFY(good);
    QCOMPARE(good->baseOf(QStringLiteral("IST")), QStringLiteral("sein"));
    QVERIFY(!FormTable::read(QStringLiteral("/nicht/da.tab"), error));
    QVERIFY(error.contains(QStringLiteral("/nicht/da.tab")));
}

void LexiconTest::missingHunspellDictionary()
{
    QTemporaryDir empty;
    QString error;
    QVERIFY(!Stemmer::open(empty.path(), QStringLiteral("de_DE"), error));
    QVERIFY(error.contains(QStringLiteral("de_DE")));
    // Without stems the table, the endings and the compound split still answer.
    const BaseFormFinder finder(table({"ist;sein"}), nullptr);
    const auto known = dictionary({"sein", "haus", "tür", "gehen"});
    QCOMPARE(finder.german(QStringLiteral("ist"), known), QStringList{"sein"});
    QCOMPARE(finder.german(QStringLiteral("gehst"), known), QStringList());
    QCOMPARE(finder.german(QStringLiteral("häuser"), known), QStringList{"haus"});
    QCOMPARE(finder.german(QStringLiteral("haustür"), known), QStringList({"haus", "tür"}));
}

QTEST_GUILESS_MAIN(LexiconTest)
#include "tst_lexicon.moc"
